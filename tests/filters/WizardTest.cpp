// What the filter wizards read and write: pasted spectra, the frame's
// coefficient words, and the fixed-point limits of a design. Numbers worked
// out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "Reference.h"
#include "filters/AutoCorrect.h"
#include "filters/FirFit.h"
#include "filters/FitSteps.h"
#include "filters/PastedSpectrum.h"
#include "filters/WizardWords.h"

namespace vt::filters {
namespace {

TEST(PastedSpectrum, ReadsCommonTablesAndNamesTheLinesLeftOut) {
  struct Case {
    const char* text;
    std::vector<std::pair<double, double>> points;
    std::vector<int> badLines;
    bool header;
  };
  const Case cases[] = {
      {"Frequency\tLevel\r\n100\t-3\r\n200\t-1\r\n", {{100, -3}, {200, -1}}, {}, true},
      // Decimal commas between semicolons; a last line without a line break counts.
      {"100;-3,5\n\n200;\"-1,25\"", {{100, -3.5}, {200, -1.25}}, {}, false},
      {"100,-3\n200  -1\n300,5 -2,5e0\n", {{100, -3}, {200, -1}, {300.5, -2.5}}, {}, false},
      // Not a pair, ambiguous commas, descending, 0 Hz, out of range, a title too late.
      {"100\t-3\nabc\n400,5,-2,5\n50\t1\n0\t2\n200\t1e5000\nHz\tdB\n300\t-2\n",
       {{100, -3}, {300, -2}}, {2, 3, 4, 5, 6, 7}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const PastedSpectrum p = ParsePastedSpectrum(c.text);
    ASSERT_EQ(p.points.size(), c.points.size());
    for (size_t i = 0; i < c.points.size(); ++i) {
      EXPECT_EQ(double(p.points.freq[i]), c.points[i].first);
      EXPECT_NEAR(double(p.points.level[i]), c.points[i].second, 1e-15);
    }
    std::vector<int> bad;
    for (const PastedLine& l : p.bad) bad.push_back(l.number);
    EXPECT_EQ(bad, c.badLines);
    EXPECT_EQ(p.headerSkipped, c.header);
  }
  const PastedSpectrum p = ParsePastedSpectrum(cases[3].text);
  EXPECT_EQ(LeftOutMessage(p, 2),
            "6 lines were left out of the pasted spectrum:\n"
            "line 2 \"abc\": not a frequency and a level\n"
            "line 3 \"400,5,-2,5\": ambiguous commas (use tabs or semicolons between the columns)\n"
            "... and 4 more");
}

TEST(WizardWords, ReadAndWrittenAsTheHandsetHoldsThem) {
  // The frame's defaults: a15 = 0x7FFF, gain 0x1000. Read as 32767/32768, all
  // levels 0 dB, and written back without a redesign as 32766.
  std::vector<long long> words(kFirWordCount, 0);
  words[15] = 0x7FFF;
  FirDesign fir;
  ReadFirWords(fir, 31, words, 0x1000);
  EXPECT_EQ(fir.levels[0], 0);
  EXPECT_EQ(fir.levels[15], 0);
  auto rows = WriteFirWords(fir, nullptr);
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->rows[15], (std::pair<int, long long>{15, 32766}));
  EXPECT_EQ(rows->rows.size(), 31u);
  // 47 taps keep the centre tap in a0 and write a23..a0 from taps 0..23; a
  // largest tap of 1.5 gives gain 6144 and the word 32767.
  fir.taps.fill(0);
  fir.tapCount = 47;
  fir.taps[23] = 1.5L;
  fir.taps[0] = fir.taps[46] = 0.75L;
  rows = WriteFirWords(fir, nullptr);
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->gain, 6144);
  ASSERT_EQ(rows->rows.size(), 24u);
  EXPECT_EQ(rows->rows[0], (std::pair<int, long long>{23, 16383}));
  EXPECT_EQ(rows->rows[23], (std::pair<int, long long>{0, 32767}));
  // Trunc, not rounding, of M * 4096: 1.0622 * 4096 = 4350.77.
  const long double taps[1] = {1.0622L};
  EXPECT_EQ(TapsToWords(taps, 1).gain, 4350);
}

TEST(WizardWords, AGainWordBeyondSixteenBitsIsRefused) {
  // All bands +20 dB: a tap of 10, whose gain word would be 40960.
  FirDesign fir;
  fir.quantise = true;
  fir.levels.fill(20);
  EXPECT_FALSE(fir.Design());
  std::string error;
  EXPECT_FALSE(WriteFirWords(fir, &error));
  EXPECT_EQ(error, "The FIR's gain word would be 40960, beyond the 16-bit range: lower the band "
                   "levels (nothing was written)");
  fir.levels.fill(18);  // a tap of 7.943: gain 32535 still fits
  EXPECT_TRUE(fir.Design());
  EXPECT_TRUE(WriteFirWords(fir, nullptr));
}

TEST(FitConstants, BandRangesAndTwoFullRuns) {
  const PlotMapping plot;
  // 609 * ln(500.01 / 50) / ln(80) = 320.009; 609 * ln(250 / 50) / ln(80) = 223.67.
  const auto bands = BandRanges(plot, 31);
  EXPECT_EQ(bands[2].lo, 320);
  EXPECT_EQ(bands[0].hi, 223);
  // A cancelled fit, in its mask phase, has no ripple.
  reference::ScriptedObserver observer;
  observer.cancelAfter = 2;
  FirDesign fir;
  fir.Flat();
  const FitContext context = FirCalculationContext(reference::HandsetSpectrum());
  const FirFitResult cancelled = FitFir(fir, context, 0, observer);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(cancelled.ripplePasses, 0);
  EXPECT_TRUE(std::isnan(cancelled.Ripple()));
  // Two full runs: the pass counts and final figures pin the steps and the
  // stop thresholds of both.
  FirDesign corrected, calculated;
  corrected.Flat();
  calculated.Flat();
  reference::ScriptedObserver a, b;
  const AutoCorrectResult r = AutoCorrect(
      corrected, {*FindMask(Wizard::Downlink, "TS26.131"), plot, SpectrumResponse(reference::HandsetSpectrum())},
      {}, a);
  const FirFitResult f = FitFir(calculated, context, 0, b);
  EXPECT_EQ(r.maskPasses, 16);
  EXPECT_EQ(r.flatnessPasses, 22);
  EXPECT_NEAR(r.lastFlatnessError, 198.2906, 1e-4);
  EXPECT_EQ(f.maskPasses, 32);
  EXPECT_EQ(f.ripplePasses, 20);
  EXPECT_NEAR(f.Ripple(), 10.5888, 1e-4);
}

}  // namespace
}  // namespace vt::filters
