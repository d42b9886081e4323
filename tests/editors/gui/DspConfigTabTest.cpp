// The "DSP config" tab in the real frame with the emulated handset.
#include <QPlainTextEdit>

#include "../../handset/EmulatedHandset.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::TFrame1;
using vt::testing::Lines_;

namespace {

class DspConfigTab : public vt::testing::EmulatedHandset {
 protected:
  void SetUp() override {
    vt::testing::App();
    Start(3);
    SetChipType(3);
    frame = std::make_unique<TFrame1>();
  }
  void TearDown() override {
    frame.reset();
    EmulatedHandset::TearDown();
  }
  frame::ScopedFrameModule module;
  std::unique_ptr<TFrame1> frame;
};

// The word's lines are the headless tests'; here the "Filters" tab's FIR
// length reaches the "DSP config" tab's block.
TEST_F(DspConfigTab, TickingABlockWritesTheFirLengthOfTheFiltersTab) {
  Handset().SetBuiltInWord(5, 4, 0xFFFF);  // in force while its status bit is clear
  frame->RadioButton20->setChecked(true);  // "48 sym" on the "Filters" tab
  frame->CheckBox5->setChecked(true);      // "Enabled" alone writes nothing
  EXPECT_TRUE(Lines().empty());
  frame->CheckBox4->setChecked(true);  // "DL FIR"
  ASSERT_GE(Lines().size(), 2u);
  EXPECT_EQ(Lines()[1], "bbl auwrm 5 4 16288");  // 0x1B00 + 0x2000 + 0x0400 + 0xA0
  frame->CheckBox4->setChecked(false);
  EXPECT_EQ(ModuleUseCounts().dsp[3], 0);
}

TEST_F(DspConfigTab, MemoButtonsRoundTripTheTabIntoTheActiveMemo) {
  frame->RadioButton5->setChecked(true);  // "Active": the second memo
  frame->CheckBox8->setChecked(true);
  frame->CheckBox110->setChecked(true);
  frame->DspConfigSendToMemoButton->click();
  const QString text = frame->Memo2->toPlainText();
  EXPECT_TRUE(text.startsWith("Begin DSP_CONF\n    DL_FIR_en=No\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\n    EC_en=Yes\n")) << text.toStdString();
  frame->CheckBox8->setChecked(false);
  frame->CheckBox110->setChecked(false);
  frame->CheckBox30->setChecked(true);
  Mark();
  frame->DspConfigGetFromMemoButton->click();
  EXPECT_TRUE(frame->CheckBox8->isChecked() && frame->CheckBox110->isChecked());
  EXPECT_FALSE(frame->CheckBox30->isChecked());
  EXPECT_TRUE(Lines().empty());  // no section box is ticked: nothing for the handset
}

}  // namespace
