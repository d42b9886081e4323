// The frame shows or hides controls by the chip type and firmware of the
// handset it identifies: real frame, real link, real socket manager with the
// emulated handset of each case.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "handset/TcpClientSocket.h"
#include "sockmgr/server/Backend.h"
#include "sockmgr/server/Server.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::TFrame1;

namespace {

void ExpectShown(std::initializer_list<QWidget*> controls, bool shown) {
  for (QWidget* w : controls) EXPECT_EQ(!w->isHidden(), shown) << w->objectName().toStdString();
}

class Gating : public ::testing::Test {
 protected:
  // Starts a handset of that chip and firmware (none for nullptr) and a frame
  // on it, and runs the tab change that identifies the handset.
  TFrame1& Start(int chip, const char* version) {
    vt::testing::App();
    ResetHandsetState();
    SetLinkWaitMs(2000);
    if (version) {
      sockmgr::FirmwareVersion v;
      EXPECT_TRUE(sockmgr::FirmwareVersion::Parse(version, v));
      server_ = std::make_unique<sockmgr::Server>(
          sockmgr::ServerOptions{}, std::make_unique<sockmgr::EmulatedBackend>(chip, v));
      server_->Start();
      std::string error;
      EXPECT_TRUE(socket_.Connect("127.0.0.1", server_->Port(), 2000, &error)) << error;
    }
    link_.ClientSocket = &socket_;
    SetLink(&link_);
    frame_ = std::make_unique<TFrame1>();
    frame::CreateToolWindows(frame_.get());
    frame_->Link = &link_;
    if (version) frame_->PageControl1->setCurrentIndex(5);
    return *frame_;
  }
  void TearDown() override {
    frame::FreeToolWindows();
    frame_.reset();
    SetLink(nullptr);
    socket_.Close();
    if (server_) server_->Stop();
    server_.reset();
    SetLinkWaitMs(100000);
  }
  std::unique_ptr<sockmgr::Server> server_;
  TcpClientSocket socket_;
  SocketManager link_;
  std::unique_ptr<TFrame1> frame_;
};

}  // namespace

TEST_F(Gating, ChipOneVersion5_23HasNeitherV1NorV2) {
  TFrame1& f = Start(1, "5.23.4.0");
  ExpectShown({f.CheckBox94, f.GroupBox33, f.Label77, f.Label78, f.Label79, f.CheckBox98,
               f.Label80, f.ValueListEditor8, f.Button97, f.Button98, f.Button99, f.Button101,
               f.Button102},
              false);
  // The Q711/15 layout.
  ExpectShown({f.ScrollBar38, f.ValueListEditor4, f.CheckBox90, f.CheckBox95}, true);
  ExpectShown({f.ValueListEditor9, f.GroupBox2, f.GroupBox38, f.GroupBox40, f.GroupBox44,
               f.RadioButton31, f.CheckBox96, f.GroupBox59, f.GroupBox60, f.GroupBox43},
              false);
  EXPECT_EQ(f.CurrentValueList, f.ValueListEditor4);
  EXPECT_FALSE(f.hasVoiceBoosterAndHarmonizers);
  EXPECT_EQ(f.Button93->text(), "Start getting status");
  // The handset was asked who it is.
  auto lines = server_->Emulator().Lines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "bbl shread16 0x0001");
}

TEST_F(Gating, ChipOneVersion5_22_2HasV1Only) {
  TFrame1& f = Start(1, "5.22.2.0");
  ExpectShown({f.CheckBox94, f.GroupBox33}, true);
  ExpectShown({f.Label77, f.ValueListEditor8, f.Button102}, false);
}

TEST_F(Gating, ChipThreeExtendedEchoRowsDependOnTheFullVersion) {
  TFrame1& f = Start(3, "3.2.8.3");
  EXPECT_FALSE(f.hasExtendedEcParams);
  ExpectShown({f.GroupBox43}, true);  // 3.2.8.3 >= 3.2.7.2
  TearDown();
  TFrame1& g = Start(3, "3.2.7.6");
  EXPECT_TRUE(g.hasExtendedEcParams);
  ExpectShown({g.GroupBox53}, false);  // below 3.4.1.2
}

TEST_F(Gating, ChipThreeVersionFourHasEveryFlagButNotTheVersionThreeGroups) {
  TFrame1& f = Start(3, "4.0.0.0");
  EXPECT_TRUE(f.hasExtendedEcParams && f.hasConvergenceAccelerator &&
              f.hasVoiceBoosterAndHarmonizers);
  EXPECT_FALSE(frame::hasDynamicSelectiveEs);
  ExpectShown({f.GroupBox43, f.GroupBox53, f.GroupBox57}, false);
  // The Q710/2, Q620/2 layout, without the "Enable" of the type-1 page.
  EXPECT_EQ(f.CurrentValueList, f.ValueListEditor9);
  ExpectShown({f.ValueListEditor9, f.GroupBox2, f.GroupBox38, f.GroupBox42, f.Button107,
               f.RadioButton33, f.GroupBox44, f.GroupBox59, f.GroupBox61, f.ScrollBar66,
               f.ValueListEditor8},
              true);
  ExpectShown({f.ValueListEditor4, f.CheckBox90, f.CheckBox95, f.CheckBox98}, false);
}

TEST_F(Gating, ChipThree3_4_8HasTheDynamicSelectiveSuppressor) {
  TFrame1& f = Start(3, "3.4.8.0");
  EXPECT_TRUE(frame::hasDynamicSelectiveEs);
  // This firmware answers area 8: the check box replaces the plain label.
  EXPECT_TRUE(ApiFlag1());
  ExpectShown({f.GroupBox57, f.GroupBox53, f.CheckBox118, f.CheckBox96}, true);
  ExpectShown({f.Label80}, false);
}

TEST_F(Gating, WithoutAHandsetTheDefaultViewDecides) {
  TFrame1& f = Start(1, nullptr);
  f.RadioButton35->click();  // "Default Q710/2, Q620/2 view"
  EXPECT_EQ(ChipType(), 3);
  EXPECT_TRUE(f.hasConvergenceAccelerator && f.hasVoiceBoosterAndHarmonizers);
  ExpectShown({f.GroupBox59, f.CheckBox42, f.CheckBox43, f.GroupBox60, f.CheckBox38,
               f.GroupBox61, f.GroupBox62, f.Label200, f.Label201},
              true);
  f.RadioButton34->click();  // back to "Default Q711/15 view"
  EXPECT_EQ(ChipType(), 1);
  ExpectShown({f.GroupBox59, f.CheckBox42}, false);
  ExpectShown({f.ValueListEditor4}, true);
}
