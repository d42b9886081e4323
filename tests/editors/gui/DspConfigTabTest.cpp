// The "DSP config" tab in the real frame: a block's box reaches the handset
// with the "Filters" tab's FIR length, its memo buttons reach the active memo.
#include <QPlainTextEdit>

#include "FrameBench.h"

namespace {

struct DspConfigTab : vt::testing::FrameBench {
  void SetUp() override { Open(3); }
};

TEST_F(DspConfigTab, TickingABlockWritesTheFirLengthOfTheFiltersTab) {
  Handset().SetBuiltInWord(5, 4, 0xFFFF);  // in force while its status bit is clear
  frame->RadioButton20->setChecked(true);  // "48 sym" on the "Filters" tab
  frame->CheckBox5->setChecked(true);
  Mark();
  frame->CheckBox4->setChecked(true);  // "DL FIR"
  ASSERT_GE(Lines().size(), 2u);
  EXPECT_EQ(Lines()[1], "bbl auwrm 5 4 16288");  // 0x1B00 + 0x2000 + 0x0400 + 0xA0
}

TEST_F(DspConfigTab, MemoButtonsRoundTripTheTabIntoTheActiveMemo) {
  frame->RadioButton5->setChecked(true);  // "Active": the second memo
  frame->CheckBox8->setChecked(true);
  frame->DspConfigSendToMemoButton->click();
  EXPECT_TRUE(frame->Memo2->toPlainText().contains("\n    EC_en=Yes\n"));
  frame->CheckBox8->setChecked(false);
  frame->DspConfigGetFromMemoButton->click();
  EXPECT_TRUE(frame->CheckBox8->isChecked());
}

}  // namespace
