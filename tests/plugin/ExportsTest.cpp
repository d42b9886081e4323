// The plug-in boundary as the host sees it: the exports, the frame's
// lifetime, the tool windows and the host INI keys.
#include <gtest/gtest.h>

#include "common/IniFile.h"
#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "plugin/Exports.h"
#include "plugin/ModuleState.h"
#include "tests/support/Files.h"
#include "tests/support/QtApp.h"

using vt::frame::Frame1;

namespace {

struct Module : ::testing::Test {
  void SetUp() override { vt::testing::App(); }
  void TearDown() override { _delete_frame(); }  // harmless when already deleted
  std::string Ini(const char* name, const std::string& text) {
    vt::testing::WriteBytes(dir.File(name), text);
    return dir.File(name);
  }
  vt::testing::TempDir dir;
};

}  // namespace

// Shift and result words need no frame, the calls that need one do nothing
// without it; then the frame's lifetime (its designed controls are the golden
// dump's).
TEST_F(Module, WordsWithoutAFrameThenTheFramesLifetime) {
  _set_shift(4, 17);
  _set_shift(9, 5);
  _set_shift(-1, 5);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(vt::plugin::ShiftWords[i], i == 4 ? 17 : 0);
  for (int i : {4, 9, -1}) EXPECT_EQ(_get_res(i), 0);  // shift and result words are separate
  vt::SocketManager link;
  _set_socket_manager(&link);
  _init_module();
  _set_inifile("/nonexistent/host.ini");
  _delete_frame();

  vt::CountUse(vt::UseTable::Dsp, 3, true);
  auto* frame = static_cast<QWidget*>(_create_frame(nullptr));
  ASSERT_EQ(frame, Frame1);
  EXPECT_EQ(vt::UseCount(vt::UseTable::Dsp, 3), 0);
  EXPECT_EQ(Frame1->PageControl1->currentWidget(), Frame1->TabSheet19);  // opens on "Home"
  EXPECT_EQ(vt::frame::ToolWindowList().size(), 13);
  _set_socket_manager(&link);
  EXPECT_EQ(Frame1->Link, &link);
  Frame1->WizardBusy = true;
  _init_module();
  EXPECT_FALSE(Frame1->WizardBusy);
  // A second create returns the same frame, clears the overrides again and
  // forgets the INI.
  vt::CountUse(vt::UseTable::Codec, 7, true);
  _set_inifile(Ini("second", "[VoxTuner]\n").c_str());
  EXPECT_EQ(_create_frame(nullptr), frame);
  EXPECT_EQ(vt::UseCount(vt::UseTable::Codec, 7), 0);
  EXPECT_EQ(vt::frame::IniFilePath, "");

  _delete_frame();
  EXPECT_EQ(Frame1, nullptr);
  for (QWidget* w : vt::frame::ToolWindowList()) EXPECT_EQ(w, nullptr);
  EXPECT_EQ(vt::Link(), &link);  // the module-wide link survives the frame
  _set_socket_manager(nullptr);
}

// Default_Q7xx=3 picks the Q710/2 view, written back on a click; a
// calibration file or a missing INI keep the Q711/15 view and write nothing.
TEST_F(Module, IniKeysChooseTheViewAndTheCalibrationFile) {
  const struct {
    const char* text;
    bool secondView;
    const char *calPath, *calLabel;
  } cases[] = {
      {"[VoxTuner]\nDefault_Q7xx=3\n", true, "", ""},
      {"[VoxTuner]\nCalFile=/home/e/room 2.acal\n", false, "/home/e/room 2.acal", "room 2.acal"},
      {nullptr, false, "", ""},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.text ? k.text : "no INI");
    auto ini = k.text ? Ini("keys", k.text) : std::string("/nonexistent/dir/host.ini");
    _create_frame(nullptr);
    _set_inifile(ini.c_str());
    EXPECT_EQ(Frame1->RadioButton35->isChecked(), k.secondView);
    EXPECT_EQ(Frame1->CalFilePath, k.calPath);
    EXPECT_EQ(Frame1->CalFileLabel->text().toStdString(), k.calLabel);
    if (k.secondView) {
      EXPECT_EQ(vt::IniFile(ini).ReadInteger("VoxTuner", "Default_Q7xx", 0), 3);
      Frame1->RadioButton34->click();
      EXPECT_EQ(vt::IniFile(ini).ReadInteger("VoxTuner", "Default_Q7xx", 0), 1);
    } else if (k.text) {
      EXPECT_EQ(vt::testing::ReadBytes(ini), k.text);
    }
    _delete_frame();
  }
}
