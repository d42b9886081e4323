// The frame shows or hides controls by the chip type and firmware of the
// handset it identifies: real frame, real link, real socket manager with the
// emulated handset of each case.
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "sockmgr/server/Backend.h"
#include "sockmgr/server/Server.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "handset/TcpClientSocket.h"

using namespace vt;
using vt::frame::TFrame1;

namespace {

bool Shown(QWidget* w) { return !w->isHidden(); }

class Gating : public ::testing::Test {
 protected:
  // Starts a handset of that chip and firmware ("" for none) and a frame on it.
  void Start(int chip, const char* version) {
    ResetHandsetState();
    SetLinkWaitMs(2000);
    if (version) {
      sockmgr::FirmwareVersion v;
      ASSERT_TRUE(sockmgr::FirmwareVersion::Parse(version, v));
      server_ = std::make_unique<sockmgr::Server>(
          sockmgr::ServerOptions{}, std::make_unique<sockmgr::EmulatedBackend>(chip, v));
      server_->Start();
      std::string error;
      ASSERT_TRUE(socket_.Connect("127.0.0.1", server_->Port(), 2000, &error)) << error;
    }
    link_.ClientSocket = &socket_;
    SetLink(&link_);
    frame_ = std::make_unique<TFrame1>();
    frame::CreateToolWindows(frame_.get());
    frame_->Link = &link_;
  }
  void TearDown() override {
    frame::FreeToolWindows();
    frame_.reset();
    SetLink(nullptr);
    socket_.Close();
    if (server_) server_->Stop();
    SetLinkWaitMs(100000);
  }
  std::unique_ptr<sockmgr::Server> server_;
  TcpClientSocket socket_;
  SocketManager link_;
  std::unique_ptr<TFrame1> frame_;
};

}  // namespace

TEST_F(Gating, ChipOneVersion5_23HasNeitherV1NorV2) {
  Start(1, "5.23.4.0");
  frame_->PageControl1->setCurrentIndex(5);  // a tab change runs the gating
  TFrame1& f = *frame_;
  EXPECT_FALSE(Shown(f.CheckBox94));
  EXPECT_FALSE(Shown(f.GroupBox33));
  for (QWidget* w : {f.Label77, f.Label78, f.Label79}) EXPECT_FALSE(Shown(w));
  EXPECT_TRUE(Shown(f.ScrollBar38));
  for (QWidget* w : {(QWidget*)f.CheckBox98, (QWidget*)f.Label80, (QWidget*)f.ValueListEditor8,
                     (QWidget*)f.Button97, (QWidget*)f.Button98, (QWidget*)f.Button99,
                     (QWidget*)f.Button101, (QWidget*)f.Button102})
    EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  // The Q711/15 layout.
  EXPECT_TRUE(Shown(f.ValueListEditor4));
  EXPECT_FALSE(Shown(f.ValueListEditor9));
  EXPECT_EQ(f.CurrentValueList, f.ValueListEditor4);
  EXPECT_TRUE(Shown(f.CheckBox90));
  EXPECT_TRUE(Shown(f.CheckBox95));
  for (QWidget* w : {(QWidget*)f.GroupBox2, (QWidget*)f.GroupBox38, (QWidget*)f.GroupBox40,
                     (QWidget*)f.GroupBox44, (QWidget*)f.RadioButton31, (QWidget*)f.CheckBox96,
                     (QWidget*)f.GroupBox59, (QWidget*)f.GroupBox60, (QWidget*)f.GroupBox43})
    EXPECT_FALSE(Shown(w)) << w->objectName().toStdString();
  EXPECT_FALSE(f.hasVoiceBoosterAndHarmonizers);
  EXPECT_EQ(f.Button93->text(), "Start getting status");
  // The handset was asked who it is.
  auto lines = server_->Emulator().Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "bbl shread16 0x0001");
}

TEST_F(Gating, ChipOneVersion5_22_2HasV1Only) {
  Start(1, "5.22.2.0");
  frame_->PageControl1Change();
  TFrame1& f = *frame_;
  EXPECT_TRUE(Shown(f.CheckBox94));
  EXPECT_TRUE(Shown(f.GroupBox33));
  EXPECT_FALSE(Shown(f.Label77));
  EXPECT_FALSE(Shown(f.ValueListEditor8));
  EXPECT_FALSE(Shown(f.Button102));
}

TEST_F(Gating, ChipThreeExtendedEchoRowsDependOnTheFullVersion) {
  Start(3, "3.2.8.3");
  frame_->PageControl1Change();
  EXPECT_FALSE(frame_->hasExtendedEcParams);
  EXPECT_TRUE(Shown(frame_->GroupBox43));  // 3.2.8.3 >= 3.2.7.2
  TearDown();
  Start(3, "3.2.7.6");
  frame_->PageControl1Change();
  EXPECT_TRUE(frame_->hasExtendedEcParams);
  EXPECT_FALSE(frame_->hasConvergenceAccelerator);
  EXPECT_FALSE(frame_->hasVoiceBoosterAndHarmonizers);
  EXPECT_FALSE(Shown(frame_->GroupBox53));  // below 3.4.1.2
}

TEST_F(Gating, ChipThreeVersionFourHasEveryFlagButNotTheVersionThreeGroups) {
  Start(3, "4.0.0.0");
  frame_->PageControl1Change();
  TFrame1& f = *frame_;
  EXPECT_TRUE(f.hasExtendedEcParams);
  EXPECT_TRUE(f.hasConvergenceAccelerator);
  EXPECT_TRUE(f.hasVoiceBoosterAndHarmonizers);
  EXPECT_FALSE(Shown(f.GroupBox43));
  EXPECT_FALSE(Shown(f.GroupBox53));
  EXPECT_FALSE(Shown(f.GroupBox57));
  EXPECT_FALSE(frame::hasDynamicSelectiveEs);
  // The Q710/2, Q620/2 layout.
  EXPECT_TRUE(Shown(f.ValueListEditor9));
  EXPECT_FALSE(Shown(f.ValueListEditor4));
  EXPECT_EQ(f.CurrentValueList, f.ValueListEditor9);
  EXPECT_FALSE(Shown(f.CheckBox90));
  EXPECT_FALSE(Shown(f.CheckBox95));
  for (QWidget* w : {(QWidget*)f.GroupBox2, (QWidget*)f.GroupBox38, (QWidget*)f.GroupBox42,
                     (QWidget*)f.Button107, (QWidget*)f.RadioButton33, (QWidget*)f.GroupBox44,
                     (QWidget*)f.GroupBox59, (QWidget*)f.GroupBox61, (QWidget*)f.ScrollBar66})
    EXPECT_TRUE(Shown(w)) << w->objectName().toStdString();
  EXPECT_FALSE(Shown(f.CheckBox98));  // the "Enable" of the type-1 page
  EXPECT_TRUE(Shown(f.ValueListEditor8));
}

TEST_F(Gating, ChipThree3_4_8HasTheDynamicSelectiveSuppressor) {
  Start(3, "3.4.8.0");
  frame_->PageControl1Change();
  TFrame1& f = *frame_;
  EXPECT_TRUE(Shown(f.GroupBox57));
  EXPECT_TRUE(frame::hasDynamicSelectiveEs);
  EXPECT_TRUE(Shown(f.GroupBox53));
  EXPECT_TRUE(Shown(f.CheckBox118));
  // This firmware answers area 8: the check box replaces the plain label.
  EXPECT_TRUE(ApiFlag1());
  EXPECT_TRUE(Shown(f.CheckBox96));
  EXPECT_FALSE(Shown(f.Label80));
}

TEST_F(Gating, WithoutAHandsetTheDefaultViewDecides) {
  Start(1, nullptr);
  TFrame1& f = *frame_;
  f.RadioButton35->click();  // "Default Q710/2, Q620/2 view"
  EXPECT_EQ(ChipType(), 3);
  EXPECT_TRUE(f.hasConvergenceAccelerator);
  EXPECT_TRUE(f.hasVoiceBoosterAndHarmonizers);
  for (QWidget* w : {(QWidget*)f.GroupBox59, (QWidget*)f.CheckBox42, (QWidget*)f.CheckBox43,
                     (QWidget*)f.GroupBox60, (QWidget*)f.CheckBox38, (QWidget*)f.GroupBox61,
                     (QWidget*)f.GroupBox62, (QWidget*)f.Label200, (QWidget*)f.Label201})
    EXPECT_TRUE(Shown(w)) << w->objectName().toStdString();
  f.RadioButton34->click();  // back to "Default Q711/15 view"
  EXPECT_EQ(ChipType(), 1);
  EXPECT_FALSE(Shown(f.GroupBox59));
  EXPECT_FALSE(Shown(f.CheckBox42));
  EXPECT_TRUE(Shown(f.ValueListEditor4));
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
