// The "DSP config" tab in the real frame, on the real socket manager with
// the emulated handset: clicks reach the handset, the memo buttons round-trip
// the tab.
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

TEST_F(DspConfigTab, TickingABlockWritesItsWordAndTheFirLengthOfTheFiltersTab) {
  Handset().SetBuiltInWord(5, 4, 0xFFFF);  // in force while its status bit is clear
  frame->RadioButton20->setChecked(true);  // "48 sym" on the "Filters" tab
  frame->CheckBox5->setChecked(true);      // "Enabled" alone writes nothing
  EXPECT_TRUE(Lines().empty());
  frame->CheckBox4->setChecked(true);  // "DL FIR"
  Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "bbl aurdm 5 4");
  EXPECT_EQ(lines[1], "bbl auwrm 5 4 16288");  // 0x1B00 + 0x2000 + 0x0400 + 0xA0
  EXPECT_EQ(ModuleUseCounts().dsp[3], 1);

  Mark();
  frame->CheckBox4->setChecked(false);
  EXPECT_EQ(Lines().front(), "bbl aurdm 2 14");
  EXPECT_EQ(ModuleUseCounts().dsp[3], 0);
}

TEST_F(DspConfigTab, MemoButtonsRoundTripTheTab) {
  frame->CheckBox8->setChecked(true);
  frame->CheckBox110->setChecked(true);
  frame->DspConfigSendToMemoButton->click();
  const QString text = frame->Memo1->toPlainText();
  EXPECT_TRUE(text.startsWith("Begin DSP_CONF\n    DL_FIR_en=No\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\n    EC_en=Yes\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("\n    DL_NS_en=Yes\n")) << text.toStdString();

  frame->CheckBox8->setChecked(false);
  frame->CheckBox110->setChecked(false);
  frame->CheckBox30->setChecked(true);
  Mark();
  frame->DspConfigGetFromMemoButton->click();
  EXPECT_TRUE(frame->CheckBox8->isChecked());
  EXPECT_TRUE(frame->CheckBox110->isChecked());
  EXPECT_FALSE(frame->CheckBox30->isChecked());
  EXPECT_TRUE(Lines().empty());  // no section box is ticked: nothing for the handset

  // The "Active" buttons choose the memo.
  frame->RadioButton5->setChecked(true);
  frame->DspConfigSendToMemoButton->click();
  EXPECT_TRUE(frame->Memo2->toPlainText().startsWith("Begin DSP_CONF"));
}

}  // namespace
