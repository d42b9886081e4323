// The codec, "Test" and "Misc" tabs' wiring in the real frame (the words
// and overrides are the headless tests').

#include "../../handset/EmulatedHandset.h"
#include "common/gui/DialogBroker.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::TFrame1;
using vt::testing::Lines_;

namespace {

class CodecTabsTab : public vt::testing::EmulatedHandset {
 protected:
  void SetUp() override {
    vt::testing::App();
    Start(1);
    frame = std::make_unique<TFrame1>();
    Mark();
  }
  void TearDown() override {
    frame.reset();
    EmulatedHandset::TearDown();
  }
  frame::ScopedFrameModule module;
  std::unique_ptr<TFrame1> frame;
};

TEST_F(CodecTabsTab, PcmPortInUnchecksAdcAndRoutesTheCodec) {
  frame->CheckBox63->setChecked(true);  // "Audio path"
  frame->CheckBox88->setChecked(true);  // "PCM port IN"
  EXPECT_FALSE(frame->CheckBox75->isChecked());
  EXPECT_EQ(Handset().WrittenWord(6, 14), 3);  // item 13
}

TEST_F(CodecTabsTab, ADaiClockThatIsNotANumberIsShownAndSendsNothing) {
  ui::DialogBroker broker;
  QStringList shown;
  broker.OnDialog = [&](const QString& caption, const QString& text, const QString&) {
    shown << caption + ": " + text;
  };
  broker.Queue("OK");
  frame->Edit1->setText("4x4");
  frame->CheckBox47->setChecked(true);
  EXPECT_EQ(shown, QStringList{"Error: '4x4' is not a valid integer value"});
  EXPECT_TRUE(Lines().empty());

  frame->Edit1->setText("0x0404");
  frame->ComboBox1->setCurrentIndex(2);  // "AFE_loopback"
  EXPECT_EQ(Handset().WrittenWord(5, 1), 0x0200);
  EXPECT_EQ(Handset().WrittenWord(5, 2), 10);
}

TEST_F(CodecTabsTab, TheToneBarsReachTheHandsetAndTheirLabel) {
  frame->CheckBox1->setChecked(true);  // "Tone"
  Mark();
  frame->ScrollBar3->setValue(100);
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 3 1 32767", "bbl auwrm 1 0 1"}));
  EXPECT_EQ(frame->Tone1AmpLabel->text(), "100%");
}

}  // namespace
