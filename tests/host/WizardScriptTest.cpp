// The filter wizards from a scripted session: a measured response pasted into
// the DL wizard (one line of it unreadable and named), "FIR auto correct" and
// "OK" leave in the frame's DL FIR list the words that the same run of the
// core gives; in the UL wizard a run that cannot reach the mask says so.
// Leaves dl_wizard.png and ul_wizard.png in the build folder.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <string>

#include "filters/AutoCorrect.h"
#include "filters/PastedSpectrum.h"
#include "filters/WizardWords.h"
#include "tests/host/Voxhost.h"
#include "tests/support/Files.h"

namespace vt::testing {
namespace {

// Rows "key=value" of a value list in a dump, as words.
std::vector<long long> ListWords(const std::string& dump, const char* name) {
  std::vector<long long> out;
  for (const QJsonValue& v : QJsonDocument::fromJson(QByteArray::fromStdString(ReadBytes(dump))).array()) {
    const QJsonObject o = v.toObject();
    if (o["name"].toString() != name) continue;
    for (const QJsonValue& row : o["rows"].toArray())
      out.push_back(std::stoll(row.toString().section('=', 1).toStdString(), nullptr, 0));
  }
  return out;
}

TEST(WizardScript, AutoCorrectedWordsReachTheFrameAsTheCoreMakesThem) {
  // 18 dB of ripple against the 14 dB opening of "flat wide".
  std::string text = "Hz\tdB\n", escaped = "Hz\\tdB\\n";
  for (double f = 150; f < 3900; f *= 1.06) {
    const std::string line = std::to_string(f) + "\t" + std::to_string(9 * std::sin(f / 500));
    text += line + "\n";
    escaped += std::to_string(f) + "\\t" + std::to_string(9 * std::sin(f / 500)) + "\\n";
  }
  const std::string dump = Temp("wizard.json");
  const ScriptRun r = RunScript(
      "tab TabSheet6\nclipboard " + escaped + "n/a\\tn/a\\n\n"
      "click FiltersDlWizardButton\nclick Form1.RadioButton5\n"
      "answer OK\nclick Form1.Button1\nclick Form1.Button5\nwaitfor Form1.Button3 enabled\n"
      "shot Form1 " VT_BINARY_DIR "/dl_wizard.png\nclick Form1.Button3\n"
      "dump " + dump + "\n"
      // A step no FIR follows: the run stops where the FIR has no fixed-point form.
      "clipboard 100\\t0\\n999\\t0\\n1001\\t30\\n3900\\t30\\n\n"
      "click FiltersUlWizardButton\nclick Form2.Button1\nanswer OK\nclick Form2.Button6\n"
      "waitfor Form2.Button4 enabled\nshot Form2 " VT_BINARY_DIR "/ul_wizard.png\nclick Form2.Button4\n",
      "", 170);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("dialog: [Warning] 1 line was left out of the pasted spectrum:\\nline 58 \"n/a n/a\": "
                       "not a frequency and a level -> OK"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("dialog: [Warning] The mask cannot be reached"), std::string::npos) << r.out;

  const std::vector<long long> fir = ListWords(dump, "ValueListEditor1"), iir = ListWords(dump, "ValueListEditor7");
  ASSERT_EQ(fir.size(), 33u);
  ASSERT_EQ(iir.size(), 10u);
  // The same run of the core: the frame's flat FIR, the sections as written back.
  filters::FirDesign direct;
  std::vector<long long> flat(filters::kFirWordCount, 0);
  flat[15] = 0x7FFF;
  filters::ReadFirWords(direct, 31, flat, 0x1000);
  const std::vector<filters::IirSection> sections = {
      filters::ReadIirWords({iir.begin(), iir.begin() + 5}), filters::ReadIirWords({iir.begin() + 5, iir.end()})};
  const filters::FitContext context{*filters::FindMask(filters::Wizard::Downlink, "flat wide"), filters::PlotMapping{},
                                    filters::SpectrumResponse(filters::ParsePastedSpectrum(text).points, sections)};
  filters::FitObserver quiet;
  const filters::AutoCorrectResult run = filters::AutoCorrect(direct, context, {}, quiet);
  EXPECT_TRUE(run.fits);
  const auto words = filters::WriteFirWords(direct, nullptr);
  ASSERT_TRUE(words);
  for (auto [index, word] : words->rows) EXPECT_EQ(fir[size_t(index)], word) << "a" << index;
  EXPECT_EQ(fir[31], 0);
  EXPECT_EQ(fir[32], words->gain);
}

}  // namespace
}  // namespace vt::testing
