// The tabs' wiring in the real frame (the words, lines and overrides are the
// headless tests'): the codec, "Test" and tone tabs; a "DSP config" block's
// box with the "Filters" tab's FIR length, its memo buttons; a bad list row's
// dialog, a user's bar change, the curve editor's "Update".
#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "FrameBench.h"
#include "frame/ToolWindows.h"

using namespace vt;
using vt::testing::Lines_;

namespace {

struct CodecTabsTab : vt::testing::FrameBench {
  void SetUp() override {
    Open(1);
    Mark();
  }
};

// The DSP config and parameter-list tabs on chip type 3.
struct Tabs3 : vt::testing::FrameBench {
  void SetUp() override { Open(3); }
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

TEST_F(Tabs3, TickingABlockWritesTheFirLengthOfTheFiltersTab) {
  Handset().SetBuiltInWord(5, 4, 0xFFFF);  // in force while its status bit is clear
  frame->RadioButton20->setChecked(true);  // "48 sym" on the "Filters" tab
  frame->CheckBox5->setChecked(true);
  Mark();
  frame->CheckBox4->setChecked(true);  // "DL FIR"
  ASSERT_GE(Lines().size(), 2u);
  EXPECT_EQ(Lines()[1], "bbl auwrm 5 4 16288");  // 0x1B00 + 0x2000 + 0x0400 + 0xA0
}

TEST_F(Tabs3, MemoButtonsRoundTripTheTabIntoTheActiveMemo) {
  frame->RadioButton5->setChecked(true);  // "Active": the second memo
  frame->CheckBox8->setChecked(true);
  frame->DspConfigSendToMemoButton->click();
  EXPECT_TRUE(frame->Memo2->toPlainText().contains("\n    EC_en=Yes\n"));
  frame->CheckBox8->setChecked(false);
  frame->DspConfigGetFromMemoButton->click();
  EXPECT_TRUE(frame->CheckBox8->isChecked());
}

TEST_F(Tabs3, ABadRowIsReportedAndNothingIsSent) {
  frame->ValueListEditor2->SetValue(20, "0x7G");
  broker.Queue("OK");
  frame->CheckBox10->setChecked(true);  // "UL FIR coeff"
  EXPECT_EQ(dialogs,
            QStringList{"Error: Row 20 (a19): '0x7G' is not a 16-bit value: nothing was sent."});
  EXPECT_TRUE(Wire().empty());
}

TEST_F(Tabs3, OnlyAUserBarChangeRewritesTheNoiseList) {
  frame->TrackBar48->setValue(100);  // set by code: no focus, the list stays
  EXPECT_EQ(frame->ValueListEditor6->Values("Ln"), "0x7333");
  frame->PageControl1->setCurrentWidget(frame->TabSheet5);
  frame->show();
  frame->activateWindow();
  frame->TrackBar48->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(frame->TrackBar48->hasFocus());
  frame->TrackBar48->setValue(99);
  // x = 0.99: (1.004 - 0.004 x 9.77237) x 32000 = 30877.1
  EXPECT_EQ(frame->ValueListEditor6->Values("Ln"), "30877");
  EXPECT_EQ(frame->ValueListEditor6->Values("Alpha"), "0");
}

void Mouse(QWidget* w, QEvent::Type type, int x, int y) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent e(type, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), Qt::LeftButton, held,
                Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

// The gestures and the table are the core tests'; here a click on the plot
// adds a point and "Update" writes the list, ticks "Enable" and pokes.
TEST_F(Tabs3, CurveEditorClickUpdatesTheTarget) {
  frame::CreateToolWindows(frame.get());
  frame::Form10->LoadFromList();
  QWidget* plot = frame::Form10->PaintBox1;
  Mouse(plot, QEvent::MouseButtonPress, 360, 75);  // bin 10 at -20.2 dB
  Mouse(plot, QEvent::MouseButtonRelease, 360, 75);
  Mark();
  frame::Form10->Button1Click();
  EXPECT_EQ(frame->ValueListEditor8->Values("Point_1_bin"), "10");
  EXPECT_TRUE(frame->CheckBox98->isChecked());
  const auto lines = Lines();
  ASSERT_GE(lines.size(), 64u);
  EXPECT_EQ(lines[lines.size() - 64], "bbl poke 6072 32768");
  frame::FreeToolWindows();
}

}  // namespace
