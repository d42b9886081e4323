// The parameter-list tabs in the real frame, on the real socket manager with
// the emulated handset: a bad row is reported and nothing reaches the
// handset; a user's bar change rewrites the noise list; the lists round-trip
// the memo.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QShortcut>

#include "../../handset/EmulatedHandset.h"
#include "common/gui/DialogBroker.h"
#include "frame/ModuleScope.h"
#include "frame/TFrame1.h"
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
  // Mended, "Send to target" sends the 33 words and the commit.
  frame->ValueListEditor2->SetValue(20, "-3");
  frame->Button4->click();
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 33 + 7u);
  EXPECT_EQ(lines[19], "bbl auwrm 4 19 -3");  // id 0 on chip type 3: area 4 from word 0
  EXPECT_EQ(lines[33], "bbl auwrm 1 0 2");
}

TEST_F(ParamListTabs, UserBarChangeRewritesTheListAndPasteFillsRows) {
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

  QApplication::clipboard()->setText("TauF=0x1111\nK=-2\n");
  auto* paste = frame->ValueListEditor6->findChild<QShortcut*>();
  ASSERT_NE(paste, nullptr);
  emit paste->activated();
  EXPECT_EQ(frame->ValueListEditor6->Values("TauF"), "0x1111");
  EXPECT_EQ(frame->ValueListEditor6->Values("K"), "-2");
}

TEST_F(ParamListTabs, NoiseMemoRoundTrip) {
  frame->ValueListEditor10->SetValues("TauD", "-7");
  frame->NoiseSuppressorSendToMemoButton->click();
  const QString text = frame->Memo1->toPlainText();
  EXPECT_TRUE(text.startsWith("Begin NS\n    Alpha=0x0148\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("End NS\nBegin DL_NS\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("    TauD=-7\n")) << text.toStdString();
  frame->ValueListEditor10->SetValues("TauD", "1");
  frame->NoiseSuppressorGetFromMemoButton->click();
  EXPECT_EQ(frame->ValueListEditor10->Values("TauD"), "-7");
}

}  // namespace
