#include "host/Plugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

#include <dlfcn.h>

namespace vt::host {

Plugin::~Plugin() {
  Stop();
  // The library stays loaded: Qt may still hold objects of its classes
  // (deferred deletes, styles) until the application ends.
}

QString DefaultPluginPath() {
  return QDir(QCoreApplication::applicationDirPath()).filePath("libvoxtuner.so");
}

bool Plugin::Load(const QString& path, QString* error) {
  void* h = ::dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
  if (!h) {
    if (error) *error = QString("Cannot load the plug-in %1: %2").arg(path, ::dlerror());
    return false;
  }
  bool ok = true;
  QString missing;
  auto resolve = [&](auto& fn, const char* name) {
    fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(::dlsym(h, name));
    if (!fn) {
      ok = false;
      missing += QString(" ") + name;
    }
  };
  resolve(create_frame, "_create_frame");
  resolve(delete_frame, "_delete_frame");
  resolve(set_socket_manager, "_set_socket_manager");
  resolve(set_shift, "_set_shift");
  resolve(get_res, "_get_res");
  resolve(init_module, "_init_module");
  resolve(get_name, "_get_name");
  resolve(set_inifile, "_set_inifile");
  if (!ok) {
    if (error) *error = QString("%1 is not a plug-in: missing%2").arg(path, missing);
    ::dlclose(h);
    return false;
  }
  handle_ = h;
  return true;
}

QWidget* Plugin::Start(QWidget* owner, SocketManager* link, const QString& iniPath) {
  if (!handle_) return nullptr;
  frame_ = static_cast<QWidget*>(create_frame(owner));
  set_socket_manager(link);
  QByteArray ini = iniPath.toLocal8Bit();
  set_inifile(ini.constData());
  init_module();
  return frame_;
}

void Plugin::Stop() {
  if (handle_ && frame_) delete_frame();
  frame_ = nullptr;
}

QString Plugin::Name() const {
  if (!handle_) return {};
  char buf[plugin::kNameBufferSize] = {};
  return QString::fromLatin1(get_name(buf));
}

}  // namespace vt::host
