// The frame-wide memo buttons and the handset read-back in the real frame,
// on the real socket manager with the emulated handset of each chip type.
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "FrameBench.h"
#include "config/MemoFile.h"
#include "editors/Catalogue.h"
#include "frame/WidgetControls.h"
#include "tests/support/Files.h"

using namespace vt;
using vt::frame::TFrame1;
using vt::testing::Lines_;

namespace {

class MemoStrip : public vt::testing::FrameBench, public ::testing::WithParamInterface<int> {
 protected:
  void NewFrame() {
    frame.reset();
    frame = std::make_unique<TFrame1>();
    controls = std::make_unique<frame::WidgetControls>(frame.get());
  }
  void TearDown() override {
    controls.reset();
    FrameBench::TearDown();
  }
  QString SendAll() {
    frame->Memo1->clear();
    frame->SendAllToMemoButton->click();
    return frame->Memo1->toPlainText();
  }
  std::unique_ptr<frame::WidgetControls> controls;
};

TEST_P(MemoStrip, TuningRoundTripsThroughTheMemoAFreshFrameAndAFile) {
  const int chip = GetParam();
  Open(chip);
  NewFrame();
  frame->CheckBox8->setChecked(true);
  frame->ScrollBar12->setValue(1000);
  frame->RadioButton13->setChecked(true);
  frame->ScrollBar45->setValue(30);
  controls->SetListValue("ValueListEditor1", 4, "0x1234");
  controls->SetListValue("ValueListEditor5", 1, "0x0123");
  const QString text = SendAll();
  const QString order =
      "DL_FIR DL_IIR UL_FIR UL_IIR EC ES SEL_ES NS DL_NS CODEC_CONF CODEC_INPUT CODEC_OUTPUT "
      "CODEC_MISC DSP_CONF GLOBAL_PATH AGC_PAR UL_AGC_PAR DELAY PCM_PORT";
  EXPECT_EQ(text.split('\n').filter(QRegularExpression("^Begin ")).join(' ').remove("Begin "),
            chip == 3 ? order + " MUSIC_TRT" : order);

  NewFrame();
  frame->CheckBox19->setChecked(true);  // "Echo sup par": the designed rows go out
  frame->Memo1->setPlainText(text);
  frame->GetAllFromMemoButton->click();
  EXPECT_TRUE(frame->RadioButton13->isChecked());
  EXPECT_EQ(ReadParam(17, 0), 0x0123);  // the rows read are sent at once
  EXPECT_EQ(SendAll(), text);

  vt::testing::TempDir dir;
  std::vector<std::string> lines;
  for (const QString& l : text.split('\n')) lines.push_back(l.toStdString());
  ASSERT_TRUE(SaveMemoFile(dir.File("t.txt"), VectorLineStore(lines), nullptr));
  NewFrame();
  broker.Queue(QString::fromStdString(dir.File("t.txt")));
  frame->LoadMemoFromFileButton->click();
  frame->GetAllFromMemoButton->click();
  EXPECT_EQ(SendAll(), text);
}

class MemoStripChip3 : public MemoStrip {
 protected:
  void SetUp() override {
    Open(3);
    NewFrame();
  }
};

// "Q7xx all to Memo" after the download fills the active memo with the
// writers' sections, list rows as signed words (each key's source is the
// headless tests').
TEST_F(MemoStripChip3, ReadBackAfterTheDownloadFillsTheActiveMemo) {
  frame->PageControl1Change();  // identified as a tab change does: the API's boxes shown
  controls->SetListValue("ValueListEditor5", 3, "0xFFFF");
  for (const auto& k : editors::MuxMemo().keys)  // every block marked: downloaded
    if (controls->Shown(k.control)) controls->SetChecked(k.control, true);
  const QString written = SendAll();
  frame->RadioButton5->setChecked(true);
  frame->Q7xxAllToMemoButton->click();
  const QString read = frame->Memo2->toPlainText();
  EXPECT_TRUE(dialogs.empty());
  auto sections = [](const QString& text) {
    QStringList names = text.split('\n').filter(QRegularExpression("^Begin "));
    names.sort();
    return names;
  };
  EXPECT_EQ(sections(read), sections(written));
  EXPECT_TRUE(read.contains("\n    UL_TauD=-1\n")) << read.toStdString();
}

// With nothing marked the handset is identified and the selective
// suppressor updated (the API probe; its curve waits for its own box); the
// marked blocks go in download order: "UL DC rm freq" (id 4) before "DL gain"
// (id 10).
TEST_F(MemoStripChip3, UpDateMuxRedoesTheMarkedBlocksInDownloadOrder) {
  Mark();
  frame->UpDateMuxButton->click();
  EXPECT_EQ(Lines(), (Lines_{"bbl shread16 0x0001", "bbl shread16 0x0002", "bbl shread16 0x0003",
                             "bbl aurdm 8 56"}));
  frame->CheckBox35->setChecked(true);
  frame->CheckBox31->setChecked(true);
  Mark();
  frame->UpDateMuxButton->click();
  const Lines_ l = Lines();
  auto at = [&](int id, int word) {
    return std::ranges::find(l, "bbl auwrm 4 " + std::to_string(ParamBase(uint8_t(id))) + " " +
                                    std::to_string(word));
  };
  EXPECT_NE(at(4, 32752), l.end());
  EXPECT_LT(at(4, 32752), at(10, 4096));
}

TEST_F(MemoStripChip3, LinkDownSaysSoOnceAndWritesNothing) {
  frame->Memo1->setPlainText("kept");
  StopServer();
  broker.Queue("OK");
  frame->Q7xxAllToMemoButton->click();
  EXPECT_EQ(frame->Memo1->toPlainText(), "kept");
  EXPECT_EQ(dialogs,
            QStringList{"Warning: The handset link is down: nothing was read into the memo."});
}

INSTANTIATE_TEST_SUITE_P(ChipTypes, MemoStrip, ::testing::Values(1, 3));

}  // namespace
