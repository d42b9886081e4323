// The plug-in boundary as the host sees it: the eight exports, the frame's
// lifetime, the tool windows and the host INI keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "common/IniFile.h"
#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "plugin/Exports.h"
#include "plugin/ModuleState.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"

using vt::frame::Frame1;

namespace {

std::string TempIni(const char* name, const std::string& text) {
  std::string path = std::string(::testing::TempDir()) + "/vt_plugin_" +
                     std::to_string(::getpid()) + "_" + name + ".ini";
  std::ofstream(path) << text;
  return path;
}

std::string Slurp(const std::string& path) {
  std::ifstream f(path);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class Module : public ::testing::Test {
 protected:
  void TearDown() override {
    _delete_frame();
    _delete_frame();
  }
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

TEST_F(Module, FrameAndToolWindowsLiveTogether) {
  auto* frame = static_cast<QWidget*>(_create_frame(nullptr));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame, Frame1);
  EXPECT_EQ(Frame1->PageControl1->count(), 21);
  EXPECT_FALSE(Frame1->WizardBusy);
  EXPECT_TRUE(Frame1->hasVoiceBoosterAndHarmonizers);
  EXPECT_FALSE(Frame1->hasExtendedEcParams);
  EXPECT_FALSE(Frame1->hasConvergenceAccelerator);
  EXPECT_FALSE(Frame1->Timer1->isActive());
  EXPECT_EQ(Frame1->Timer1->interval(), 10000);
  EXPECT_EQ(Frame1->CurrentValueList, Frame1->ValueListEditor4);
  EXPECT_EQ(Frame1->CalFilePath, "");
  EXPECT_EQ(Frame1->Report, nullptr);
  EXPECT_EQ(Frame1->PageControl1->currentWidget(), Frame1->TabSheet19);  // opens on "Home"

  const char* captions[] = {"DL filter Wizzard", "UL filter Wizzard", "EC ES NS Wizzard",
                            "AutoCorrect", "Help", "FIR calculation",
                            "Vu meter (0dBfs=full scale sine)", "Measurement status",
                            "Wave bench", "Selective Echo Suppressor",
                            "Voice compressor tuning graph", "File tag", "Result"};
  const char* names[] = {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7",
                         "Form8", "Form9", "Form10", "Form11", "Form12", "Form21"};
  auto windows = vt::frame::ToolWindowList();
  ASSERT_EQ(windows.size(), 13);
  for (int i = 0; i < 13; ++i) {
    ASSERT_NE(windows[i], nullptr);
    EXPECT_EQ(windows[i]->windowTitle().toStdString(), captions[i]);
    EXPECT_EQ(windows[i]->objectName().toStdString(), names[i]);
    EXPECT_EQ(windows[i]->parent(), frame);
    EXPECT_TRUE(windows[i]->isHidden());
  }

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

TEST_F(Module, PagesAndMemoStripAreLaidOutInOrder) {
  _create_frame(nullptr);
  const char* pages[][2] = {
      {"TabSheet19", "Home"},          {"TabSheet1", "codec config"},
      {"TabSheet2", "codec input"},    {"TabSheet3", "codec output"},
      {"TabSheet15", "codec misc"},    {"TabSheet8", "DSP config"},
      {"TabSheet10", "Global path adj"}, {"TabSheet4", "Echo canceller"},
      {"TabSheet18", "Selective echo supp"}, {"TabSheet9", "Echo suppressor"},
      {"TabSheet5", "Noise suppressor"}, {"TabSheet6", "Filters"},
      {"TabSheet20", "UL Dyn treatment"}, {"TabSheet11", "DL Dyn treatment"},
      {"TabSheet12", "Delays"},        {"TabSheet16", "PCM port"},
      {"TabSheet14", "TTY"},           {"TabSheet13", "Test"},
      {"TabSheet7", "Misc"},           {"TabSheet17", "Measures / AutoTuning"},
      {"TabSheet21", "Music treatment"}};
  ASSERT_EQ(Frame1->PageControl1->count(), 21);
  for (int i = 0; i < 21; ++i) {
    EXPECT_EQ(Frame1->PageControl1->widget(i)->objectName().toStdString(), pages[i][0]);
    EXPECT_EQ(Frame1->PageControl1->tabText(i).toStdString(), pages[i][1]);
  }
  const char* buttons[] = {"Send all to Memo", "Get all from Memo", "Send mux to Memo",
                           "Get mux from Memo", "UpDate Mux", "Q7xx all to Memo",
                           "Save Memo to file", "Load Memo from file"};
  auto column = Frame1->MemoButtons->findChildren<QPushButton*>();
  ASSERT_EQ(column.size(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(column[i]->text().toStdString(), buttons[i]);
  EXPECT_EQ(Frame1->Label45->text().toStdString(), "VoxTuner V2.52");
  EXPECT_TRUE(Frame1->RadioButton4->isChecked());
  EXPECT_EQ(Frame1->RadioButton34->text().toStdString(), "Default Q711/15 view");
  EXPECT_EQ(Frame1->RadioButton35->text().toStdString(), "Default Q710/2, Q620/2 view");
  // The "Active" buttons are exclusive although each heads its own memo.
  Frame1->RadioButton6->click();
  EXPECT_FALSE(Frame1->RadioButton4->isChecked());
  EXPECT_EQ(Frame1->ActiveMemo(), 2);
}

TEST_F(Module, ASecondCreateReturnsTheSameFrameAndForgetsTheIni) {
  auto ini = TempIni("second", "[VoxTuner]\nDefault_Q7xx=1\n");
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
  EXPECT_EQ(Slurp(ini), "[VoxTuner]\nDefault_Q7xx=1\n");
  std::remove(ini.c_str());
}

TEST_F(Module, DefaultViewThreeChecksTheSecondButtonAndWritesItBack) {
  auto ini = TempIni("view3", "[VoxTuner]\nDefault_Q7xx=3\n");
  _create_frame(nullptr);
  ASSERT_TRUE(Frame1->RadioButton34->isChecked());
  _set_inifile(ini.c_str());
  EXPECT_TRUE(Frame1->RadioButton35->isChecked());
  EXPECT_FALSE(Frame1->RadioButton34->isChecked());
  // The click behaviour ran: the key is written (back) through the INI.
  EXPECT_EQ(vt::IniFile(ini).ReadInteger("VoxTuner", "Default_Q7xx", 0), 3);
  Frame1->RadioButton34->click();
  EXPECT_EQ(vt::IniFile(ini).ReadInteger("VoxTuner", "Default_Q7xx", 0), 1);
  std::remove(ini.c_str());
}

TEST_F(Module, DefaultViewOneOrOtherValuesChangeNothing) {
  for (const char* text : {"[VoxTuner]\nDefault_Q7xx=1\n", "[VoxTuner]\nDefault_Q7xx=2\n",
                           "[Other]\nX=1\n"}) {
    auto ini = TempIni("view", text);
    _create_frame(nullptr);
    _set_inifile(ini.c_str());
    EXPECT_TRUE(Frame1->RadioButton34->isChecked());
    EXPECT_FALSE(Frame1->RadioButton35->isChecked());
    EXPECT_EQ(Slurp(ini), text);  // nothing clicked, nothing written
    std::remove(ini.c_str());
    _delete_frame();
  }
}

TEST_F(Module, CalFileShowsItsNameAndKeepsItsPath) {
  auto ini = TempIni("cal", "[VoxTuner]\nCalFile=/home/eng/bench/room 2.acal\n");
  _create_frame(nullptr);
  _set_inifile(ini.c_str());
  EXPECT_EQ(Frame1->CalFilePath, "/home/eng/bench/room 2.acal");
  EXPECT_EQ(Frame1->CalFileLabel->text().toStdString(), "room 2.acal");
  std::remove(ini.c_str());
}

TEST_F(Module, AMissingIniChangesNothing) {
  _create_frame(nullptr);
  _set_inifile("/nonexistent/dir/host.ini");
  EXPECT_EQ(Frame1->CalFilePath, "");
  EXPECT_EQ(Frame1->CalFileLabel->text().toStdString(), "");
  EXPECT_TRUE(Frame1->RadioButton34->isChecked());
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
