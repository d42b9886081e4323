// The plug-in boundary as the host sees it: the eight exports, the frame's
// lifetime, the tool windows and the host INI keys.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstring>

#include "common/IniFile.h"
#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "plugin/Exports.h"
#include "plugin/ModuleState.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "tests/support/Files.h"

using vt::frame::Frame1;
using vt::testing::ReadBytes;

namespace {

class Module : public ::testing::Test {
 protected:
  void TearDown() override {
    _delete_frame();
    _delete_frame();
  }
  std::string Ini(const char* name, const std::string& text) {
    vt::testing::WriteBytes(dir.File(name), text);
    return dir.File(name);
  }
  vt::testing::TempDir dir;
};

}  // namespace

TEST_F(Module, NameShiftAndResultWorkWithoutAFrame) {
  char name[64];
  std::memset(name, 'x', sizeof name);
  EXPECT_EQ(_get_name(name), name);
  EXPECT_STREQ(name, "VoxTuner V2.52");

  _set_shift(4, 17);
  EXPECT_EQ(vt::plugin::ShiftWords[4], 17);
  EXPECT_EQ(_get_res(4), 0);  // shift and result words are separate
  _set_shift(9, 5);
  _set_shift(-1, 5);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(vt::plugin::ShiftWords[i], i == 4 ? 17 : 0);
  EXPECT_EQ(_get_res(9), 0);
  EXPECT_EQ(_get_res(-1), 0);
  _set_shift(4, 0);
}

TEST_F(Module, CallsThatNeedTheFrameDoNothingBeforeIt) {
  vt::SocketManager link;
  _set_socket_manager(&link);
  EXPECT_EQ(vt::Link(), &link);
  _init_module();
  _set_inifile("/nonexistent/host.ini");
  _delete_frame();
  EXPECT_EQ(Frame1, nullptr);
  _set_socket_manager(nullptr);
}

// The frame's controls as designed are checked by the golden dump of the
// host's tests; here, what the module does with them.
TEST_F(Module, FrameAndToolWindowsLiveTogether) {
  auto* frame = static_cast<QWidget*>(_create_frame(nullptr));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame, Frame1);
  EXPECT_TRUE(Frame1->hasVoiceBoosterAndHarmonizers);
  EXPECT_FALSE(Frame1->hasExtendedEcParams || Frame1->hasConvergenceAccelerator);
  EXPECT_FALSE(Frame1->Timer1->isActive());
  EXPECT_EQ(Frame1->CurrentValueList, Frame1->ValueListEditor4);
  EXPECT_EQ(Frame1->PageControl1->currentWidget(), Frame1->TabSheet19);  // opens on "Home"
  auto windows = vt::frame::ToolWindowList();
  ASSERT_EQ(windows.size(), 13);
  for (QWidget* w : windows) {
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parent(), frame);
    EXPECT_TRUE(w->isHidden());
  }
  // The "Active" buttons choose the memo that the memo buttons act on.
  Frame1->RadioButton6->click();
  EXPECT_FALSE(Frame1->RadioButton4->isChecked());
  EXPECT_EQ(Frame1->ActiveMemo(), 2);

  vt::SocketManager link;
  _set_socket_manager(&link);
  EXPECT_EQ(Frame1->Link, &link);
  Frame1->WizardBusy = true;
  _init_module();
  EXPECT_FALSE(Frame1->WizardBusy);

  _delete_frame();
  EXPECT_EQ(Frame1, nullptr);
  for (QWidget* w : vt::frame::ToolWindowList()) EXPECT_EQ(w, nullptr);
  EXPECT_EQ(vt::Link(), &link);  // the module-wide link survives the frame
  _delete_frame();                // a second delete is harmless
  _set_socket_manager(nullptr);
}

TEST_F(Module, ASecondCreateReturnsTheSameFrameAndForgetsTheIni) {
  auto ini = Ini("second", "[VoxTuner]\nDefault_Q7xx=1\n");
  vt::CountUse(vt::UseTable::Dsp, 3, true);
  vt::CountUse(vt::UseTable::ApiGroup, 11, true);
  void* first = _create_frame(nullptr);
  EXPECT_EQ(vt::UseCount(vt::UseTable::Dsp, 3), 0);
  EXPECT_EQ(vt::UseCount(vt::UseTable::ApiGroup, 11), 0);
  vt::CountUse(vt::UseTable::Codec, 7, true);
  _set_inifile(ini.c_str());
  EXPECT_EQ(vt::frame::IniFilePath, ini);
  void* second = _create_frame(nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(vt::frame::IniFilePath, "");
  EXPECT_EQ(vt::UseCount(vt::UseTable::Codec, 7), 0);  // cleared again without a rebuild
  // Without an INI path the default view is not written anywhere.
  Frame1->RadioButton35->click();
  EXPECT_EQ(ReadBytes(ini), "[VoxTuner]\nDefault_Q7xx=1\n");
}

TEST_F(Module, DefaultViewThreeChecksTheSecondButtonAndWritesItBack) {
  auto ini = Ini("view3", "[VoxTuner]\nDefault_Q7xx=3\n");
  _create_frame(nullptr);
  ASSERT_TRUE(Frame1->RadioButton34->isChecked());
  _set_inifile(ini.c_str());
  EXPECT_TRUE(Frame1->RadioButton35->isChecked());
  EXPECT_FALSE(Frame1->RadioButton34->isChecked());
  // The click behaviour ran: the key is written (back) through the INI.
  EXPECT_EQ(vt::IniFile(ini).ReadInteger("VoxTuner", "Default_Q7xx", 0), 3);
  Frame1->RadioButton34->click();
  EXPECT_EQ(vt::IniFile(ini).ReadInteger("VoxTuner", "Default_Q7xx", 0), 1);
}

// Other views, other sections, a calibration file, a missing INI: the Q711/15
// view stays and nothing is written back.
TEST_F(Module, OtherIniKeysChangeNothingButTheCalibrationFile) {
  const struct {
    const char* text;
    const char* calPath;
    const char* calLabel;
  } cases[] = {
      {"[VoxTuner]\nDefault_Q7xx=1\n", "", ""},
      {"[VoxTuner]\nDefault_Q7xx=2\n", "", ""},
      {"[Other]\nX=1\n", "", ""},
      {"[VoxTuner]\nCalFile=/home/eng/bench/room 2.acal\n", "/home/eng/bench/room 2.acal",
       "room 2.acal"},
      {nullptr, "", ""},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.text ? k.text : "no INI");
    auto ini = k.text ? Ini("other", k.text) : std::string("/nonexistent/dir/host.ini");
    _create_frame(nullptr);
    _set_inifile(ini.c_str());
    EXPECT_TRUE(Frame1->RadioButton34->isChecked());
    EXPECT_FALSE(Frame1->RadioButton35->isChecked());
    EXPECT_EQ(Frame1->CalFilePath, k.calPath);
    EXPECT_EQ(Frame1->CalFileLabel->text().toStdString(), k.calLabel);
    if (k.text) {
      EXPECT_EQ(ReadBytes(ini), k.text);  // nothing clicked, nothing written
    }
    _delete_frame();
  }
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
