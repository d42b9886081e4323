// The parameter-list tabs in the real frame with the emulated handset: a bad
// row's dialog, a user's bar change, the curve editor's "Update".
#include <QApplication>
#include <QMouseEvent>

#include "FrameBench.h"
#include "frame/ToolWindows.h"

using namespace vt;

namespace {

struct ParamListTabs : vt::testing::FrameBench {
  void SetUp() override { Open(3); }
};

TEST_F(ParamListTabs, ABadRowIsReportedAndNothingIsSent) {
  frame->ValueListEditor2->SetValue(20, "0x7G");
  broker.Queue("OK");
  frame->CheckBox10->setChecked(true);  // "UL FIR coeff"
  EXPECT_EQ(dialogs,
            QStringList{"Error: Row 20 (a19): '0x7G' is not a 16-bit value: nothing was sent."});
  EXPECT_TRUE(Wire().empty());
}

TEST_F(ParamListTabs, OnlyAUserBarChangeRewritesTheNoiseList) {
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
TEST_F(ParamListTabs, CurveEditorClickUpdatesTheTarget) {
  frame::CreateToolWindows(frame.get());
  frame::Form10->LoadFromList();
  QWidget* plot = frame::Form10->PaintBox1;
  Mouse(plot, QEvent::MouseButtonPress, 360, 75);  // bin 10 at -20.2 dB
  Mouse(plot, QEvent::MouseButtonRelease, 360, 75);
  Mark();
  frame::Form10->Button1Click();
  const auto rows = frame->ValueListEditor8->Strings();
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 3),
            (std::vector<std::string>{"Point_1_bin=10", "Point_1_gain=3253", "Point_2_bin=63"}));
  EXPECT_TRUE(frame->CheckBox98->isChecked());
  const auto lines = Lines();
  ASSERT_GE(lines.size(), 64u);
  EXPECT_EQ(lines[lines.size() - 64], "bbl poke 6072 32768");
  frame::FreeToolWindows();
}

}  // namespace
