// The frame shows or hides controls by the chip type and firmware of the
// handset it identifies (the socket manager with an emulated handset).
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "../handset/EmulatedHandset.h"
#include "frame/Module.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::TFrame1;

class Gating : public vt::testing::EmulatedHandset {
 protected:
  // A frame on a handset of that chip and firmware (none for nullptr), after
  // the tab change that identifies the handset.
  TFrame1& Open(int chip, const char* version) {
    vt::testing::App();
    if (version) {
      sockmgr::FirmwareVersion v;
      EXPECT_TRUE(sockmgr::FirmwareVersion::Parse(version, v));
      Start(chip, v);
    }
    frame_ = std::make_unique<TFrame1>();
    frame::CreateToolWindows(frame_.get());
    if (version) frame_->PageControl1->setCurrentIndex(5);
    return *frame_;
  }
  void TearDown() override {
    frame::FreeToolWindows();
    frame_.reset();
    EmulatedHandset::TearDown();
  }
  void Expect(const std::vector<const char*>& shown, const std::vector<const char*>& hidden) {
    for (const char* n : shown) EXPECT_FALSE(frame_->findChild<QWidget*>(n)->isHidden()) << n;
    for (const char* n : hidden) EXPECT_TRUE(frame_->findChild<QWidget*>(n)->isHidden()) << n;
  }
  frame::ScopedFrameModule module_;
  std::unique_ptr<TFrame1> frame_;
};

// Each firmware against the gates it straddles (a flag of -1: not decided).
TEST_F(Gating, ChipTypeAndFirmwareShowTheirControls) {
  const struct Case {
    int chip;
    const char* version;
    std::vector<const char*> shown, hidden;
    bool voiceBooster;
    int extendedEc, dynamicSelEs;
  } cases[] = {
      // Neither V1 nor V2; the Q711/15 layout.
      {1, "5.23.4.0", {"ValueListEditor4", "CheckBox90", "CheckBox95"},
       {"CheckBox94", "GroupBox33", "Label77", "ValueListEditor8", "Button102", "ValueListEditor9",
        "GroupBox2", "GroupBox59", "GroupBox43"}, false, -1, -1},
      {1, "5.22.2.0", {"CheckBox94", "GroupBox33"}, {"Label77", "ValueListEditor8"}, false, -1, -1},
      {3, "3.2.8.3", {"GroupBox43"}, {}, false, 0, -1},  // 3.2.8.3 >= 3.2.7.2
      {3, "3.2.7.6", {}, {"GroupBox53"}, false, 1, -1},  // below 3.4.1.2
      // This firmware answers area 8: the check box replaces the plain label.
      {3, "3.4.8.0", {"GroupBox57", "GroupBox53", "CheckBox118", "CheckBox96"},
       {"Label80"}, true, -1, 1},
      // Every flag, not the version-3 groups; Q710/2 layout without type 1's "Enable".
      {3, "4.0.0.0", {"ValueListEditor9", "GroupBox2", "GroupBox59", "Button107", "ScrollBar66"},
       {"GroupBox43", "GroupBox53", "GroupBox57", "ValueListEditor4", "CheckBox98"}, true, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    TFrame1& f = Open(c.chip, c.version);
    Expect(c.shown, c.hidden);
    EXPECT_EQ(f.CurrentValueList, c.chip == 1 ? f.ValueListEditor4 : f.ValueListEditor9);
    EXPECT_EQ(f.hasVoiceBoosterAndHarmonizers, c.voiceBooster);
    EXPECT_TRUE(c.extendedEc < 0 || f.hasExtendedEcParams == (c.extendedEc == 1));
    EXPECT_TRUE(c.dynamicSelEs < 0 || frame::hasDynamicSelectiveEs == (c.dynamicSelEs == 1));
    EXPECT_TRUE(c.dynamicSelEs != 1 || ApiFlag1());  // it answers area 8
    TearDown();
  }
}

TEST_F(Gating, WithoutAHandsetTheDefaultViewDecides) {
  TFrame1& f = Open(1, nullptr);
  f.RadioButton35->click();  // "Default Q710/2, Q620/2 view"
  EXPECT_EQ(ChipType(), 3);
  EXPECT_TRUE(f.hasConvergenceAccelerator && f.hasVoiceBoosterAndHarmonizers);
  Expect({"GroupBox59", "CheckBox42", "GroupBox60", "GroupBox61", "Label200"}, {});
  f.RadioButton34->click();  // back to "Default Q711/15 view"
  EXPECT_EQ(ChipType(), 1);
  Expect({"ValueListEditor4"}, {"GroupBox59", "CheckBox42"});
}
