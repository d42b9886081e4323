// The plug-in boundary: what the host calls, in the order it calls it.
// Nothing here throws to the host.
#include "plugin/Exports.h"

#include <QVariant>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/Version.h"
#include "frame/ToolWindows.h"
#include "plugin/ModuleState.h"
#include "handset/Link.h"
#include "measure/AudioBackend.h"
#include "measure/AudioPort.h"

using vt::frame::Frame1;

namespace vt::plugin {

int32_t ShiftWords[9] = {};
int32_t ResultWords[9] = {};

}  // namespace vt::plugin

namespace {
// The measurements' sound card: the host's, else the one VOXTUNER_AUDIO names.
void UseHostAudio(QWidget* owner) {
  const QVariant shared = owner ? owner->property(vt::plugin::kAudioBackendProperty) : QVariant();
  if (shared.isValid()) {
    auto* backend = reinterpret_cast<vt::measure::AudioBackend*>(shared.value<quintptr>());
    vt::measure::SetAudioBackend(std::shared_ptr<vt::measure::AudioBackend>(backend, [](auto*) {}));
    return;
  }
  const char* choice = std::getenv("VOXTUNER_AUDIO");
  std::string error;
  auto backend = vt::measure::CreateAudioBackend(choice ? choice : "virtual", &error);
  if (!backend) std::fprintf(stderr, "VoxTuner: %s; using the virtual bench\n", error.c_str());
  vt::measure::SetAudioBackend(std::move(backend));
}
// Runs f; whatever it throws stays inside the module, and is told on stderr
// with the name of the export it came through.
template <class F>
void Guarded(const char* exportName, F&& f) noexcept {
  try {
    f();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "VoxTuner: %s failed: %s\n", exportName, e.what());
  } catch (...) {
    std::fprintf(stderr, "VoxTuner: %s failed: unknown exception\n", exportName);
  }
}
}  // namespace

extern "C" {

__attribute__((visibility("default"))) void* _create_frame(void* owner) {
  Guarded("_create_frame", [&] {
    if (!Frame1) {
      UseHostAudio(static_cast<QWidget*>(owner));
      auto* frame = new vt::frame::TFrame1(static_cast<QWidget*>(owner));
      vt::frame::CreateToolWindows(frame);
      Frame1 = frame;
    }
    vt::frame::IniFilePath.clear();
    vt::plugin::ClearModuleUseCounts();
  });
  return static_cast<QWidget*>(Frame1);
}

__attribute__((visibility("default"))) void _delete_frame() {
  Guarded("_delete_frame", [] {
    if (!Frame1) return;
    vt::plugin::CloseReport(Frame1);
    vt::frame::FreeToolWindows();
    delete Frame1;
    Frame1 = nullptr;
  });
}

__attribute__((visibility("default"))) void _set_socket_manager(vt::SocketManager* link) {
  vt::SetLink(link);
  if (Frame1) Frame1->Link = link;
}

__attribute__((visibility("default"))) void _set_shift(int32_t index, int32_t value) {
  if (index >= 0 && index <= 8) vt::plugin::ShiftWords[index] = value;
}

__attribute__((visibility("default"))) int32_t _get_res(int32_t index) {
  return (index >= 0 && index <= 8) ? vt::plugin::ResultWords[index] : 0;
}

__attribute__((visibility("default"))) void _init_module() {
  if (Frame1) Frame1->WizardBusy = false;
}

__attribute__((visibility("default"))) char* _get_name(char* text) {
  if (text) {
    std::strncpy(text, vt::frame::kModuleName, vt::plugin::kNameBufferSize - 1);
    text[vt::plugin::kNameBufferSize - 1] = '\0';
  }
  return text;
}

__attribute__((visibility("default"))) void _set_inifile(const char* path) {
  Guarded("_set_inifile", [&] {
    if (!Frame1) return;
    vt::frame::IniFilePath = path ? path : "";
    Frame1->ApplyIniFile(vt::frame::IniFilePath);
  });
}

}  // extern "C"
