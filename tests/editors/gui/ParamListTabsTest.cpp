// The parameter-list tabs in the real frame, on the real socket manager with
// the emulated handset: a bad row is reported and nothing reaches the
// handset; a user's bar change rewrites the noise list; the curve editor.
#include <QApplication>
#include <QMouseEvent>

#include "../../handset/EmulatedHandset.h"
#include "common/gui/DialogBroker.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "tests/support/QtApp.h"

using namespace vt;
using vt::frame::TFrame1;

namespace {

class ParamListTabs : public vt::testing::EmulatedHandset {
 protected:
  void SetUp() override {
    vt::testing::App();
    Start(3);
    SetChipType(3);
    frame = std::make_unique<TFrame1>();
    broker.OnDialog = [this](const QString& caption, const QString& text, const QString&) {
      dialogs << caption + ": " + text;
    };
  }
  void TearDown() override {
    frame.reset();
    EmulatedHandset::TearDown();
  }
  frame::ScopedFrameModule module;
  ui::DialogBroker broker;
  QStringList dialogs;
  std::unique_ptr<TFrame1> frame;
};

TEST_F(ParamListTabs, ABadRowIsReportedAndNothingIsSent) {
  frame->ValueListEditor2->SetValue(20, "0x7G");
  broker.Queue("OK");
  frame->CheckBox10->setChecked(true);  // "UL FIR coeff"
  ASSERT_EQ(dialogs.size(), 1);
  EXPECT_EQ(dialogs[0], "Error: Row 20 (a19): '0x7G' is not a 16-bit value: nothing was sent.");
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

TEST_F(ParamListTabs, CurveEditorDragsPointsAndUpdatesTheTarget) {
  frame::CreateToolWindows(frame.get());
  frame::Form10->LoadFromList();  // the start rows: one point at 0 dB near the right edge
  ASSERT_EQ(frame::Form10->CurvePoints(), std::vector<QPoint>{QPoint(607, 0)});
  QWidget* plot = frame::Form10->PaintBox1;
  // A new point at bin 10 (666.6 Hz snapped to 656.25 Hz, x 357), the last one
  // dragged down to y 75 (-20.2 dB).
  Mouse(plot, QEvent::MouseButtonPress, 360, 75);
  Mouse(plot, QEvent::MouseButtonRelease, 360, 75);
  Mouse(plot, QEvent::MouseButtonPress, 607, 0);
  Mouse(plot, QEvent::MouseMove, 607, 75);
  Mouse(plot, QEvent::MouseButtonRelease, 607, 75);
  EXPECT_EQ(frame::Form10->CurvePoints(), (std::vector<QPoint>{QPoint(357, 75), QPoint(607, 75)}));
  Mark();
  frame::Form10->Button1Click();
  EXPECT_EQ(frame->ValueListEditor8->Strings(),
            (std::vector<std::string>{"Point_1_bin=10", "Point_1_gain=3253", "Point_2_bin=63",
                                      "Point_2_gain=4096", "Point_3_bin=0", "Point_3_gain=0",
                                      "Point_4_bin=0", "Point_4_gain=0"}));
  EXPECT_TRUE(frame->CheckBox98->isChecked());
  // "update" ran: the table poked at 6072 (its values: the core test's).
  const auto lines = Lines();
  ASSERT_GE(lines.size(), 64u);
  EXPECT_EQ(lines[lines.size() - 64], "bbl poke 6072 32768");
  frame::FreeToolWindows();
}

}  // namespace
