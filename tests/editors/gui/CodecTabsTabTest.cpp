// The codec, "Test" and tone tabs' wiring in the real frame (the words and
// overrides are the headless tests').
#include "FrameBench.h"

using vt::testing::Lines_;

namespace {

struct CodecTabsTab : vt::testing::FrameBench {
  void SetUp() override {
    Open(1);
    Mark();
  }
};

TEST_F(CodecTabsTab, PcmPortInUnchecksAdcAndRoutesTheCodec) {
  frame->CheckBox63->setChecked(true);  // "Audio path"
  frame->CheckBox88->setChecked(true);  // "PCM port IN"
  EXPECT_FALSE(frame->CheckBox75->isChecked());
  EXPECT_EQ(Handset().WrittenWord(6, 14), 3);  // item 13
}

TEST_F(CodecTabsTab, ADaiClockThatIsNotANumberIsShownAndSendsNothing) {
  broker.Queue("OK");
  frame->Edit1->setText("4x4");
  frame->CheckBox47->setChecked(true);
  EXPECT_EQ(dialogs, QStringList{"Error: '4x4' is not a valid integer value"});
  EXPECT_TRUE(Wire().empty());
}

TEST_F(CodecTabsTab, TheToneBarsReachTheHandsetAndTheirLabel) {
  frame->CheckBox1->setChecked(true);  // "Tone"
  Mark();
  frame->ScrollBar3->setValue(100);
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 3 1 32767", "bbl auwrm 1 0 1"}));
  EXPECT_EQ(frame->Tone1AmpLabel->text(), "100%");
}

}  // namespace
