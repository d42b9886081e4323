// The auto-correction of the wizards and the FIR calculation: their steps, their
// passes as the observer sees them, and the cached runs against the plain
// recomputation of the same run. Levels in dB, frequencies in Hz.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "Reference.h"
#include "filters/AutoCorrect.h"
#include "filters/FirFit.h"
#include "filters/FitSteps.h"

namespace vt::filters {
namespace {

using reference::ScriptedObserver;

FirDesign FlatFir(int taps) {
  FirDesign fir;
  fir.tapCount = taps;
  fir.Flat();
  return fir;
}

Spectrum Sampled(long double (*level)(long double)) {
  Spectrum s;
  for (long double f = 100; f <= 4000; f *= powl(2, 1 / 24.0L)) s.Add(f, level(f));
  s.Add(4000, level(4000));
  return s;
}

// The downlink wizard's case: the handset's measured receive response, IIR0 flat
// and IIR1 cutting 3 dB towards 0 Hz.
FitContext HandsetContext(const char* mask) {
  std::vector<IirSection> sections(2);
  sections[1].gainLf = powl(10, -3 / 20.0L);
  sections[1].Design();
  return FitContext{*FindMask(Wizard::Downlink, mask), PlotMapping{},
                    SpectrumResponse(reference::HandsetSpectrum(), sections)};
}

TEST(FitSteps, SmallMeanErrorsMoveBandsByATenthTimesTheirStep) {
  EXPECT_EQ(AtLeastTenth(-0.03L), -0.1L);
  const PlotMapping plot;
  const auto bands = BandRanges(plot, 31);
  ASSERT_EQ(bands.size(), 16u);
  EXPECT_EQ(bands[0].lo, 1);
  EXPECT_EQ(bands[2].lo, plot.XOfFreq(500.01L));
  EXPECT_EQ(bands[15].hi, plot.width);
  std::vector<long double> err = ErrorArray(plot);
  for (int x = 1; x <= plot.LastColumn(); ++x) err[x] = 0.03L;  // a mean of 0.03 dB
  FirDesign wizard = FlatFir(31), calculation = FlatFir(31);
  MaskCorrection(wizard, err, bands, MaskRule::Wizard);
  MaskCorrection(calculation, err, bands, MaskRule::FirCalculation);
  EXPECT_NEAR(wizard.levels[2], 0.06, 1e-18);
  EXPECT_NEAR(wizard.levels[1], 0.04, 1e-18);
  EXPECT_NEAR(wizard.levels[0], 0.008, 1e-18);  // dragged by band 1
  EXPECT_NEAR(calculation.levels[0], 0.01, 1e-18);
  EXPECT_NEAR(calculation.levels[15], 0.06, 1e-18);
}

TEST(FitSteps, RecentringLeavesAThirdOrHalfOfTheSpreadAbove) {
  using Three = std::array<long double, 3>;  // five taps: three bands
  const struct {
    Three before;
    int divisor;
    Three after;
  } cases[] = {{{0, 0, -9}, 3, {3, 3, -6}},
               {{0, 0, -9}, 2, {4.5, 4.5, -4.5}}};
  for (const auto& c : cases) {
    FirDesign fir;
    fir.tapCount = 5;
    std::copy(c.before.begin(), c.before.end(), fir.levels.begin());
    RecentreLevels(fir, c.divisor);
    EXPECT_EQ((Three{fir.levels[0], fir.levels[1], fir.levels[2]}), c.after) << c.divisor;
  }
}

TEST(FitSteps, ColumnErrorsFromMargins) {
  const PlotMapping plot;
  MaskMargins m;
  m.upper = {10, 13, {-1, 2, -3}};
  m.lower = {12, 15, {-0.5L, 1, 1}};
  std::vector<long double> err = ErrorArray(plot);
  ViolationErrors(m, plot, err);
  EXPECT_EQ(err[10], -1);   // too high
  EXPECT_EQ(err[11], 0);
  EXPECT_EQ(err[12], 0.5);  // too low wins over too high
  EXPECT_EQ(err[14], 0);
  // Strictly inside both ranges: upper 11..12, lower 13..14, no column.
  EXPECT_EQ(FlatnessErrors(m, plot, err), 0);
  m.lower.firstX = 11;
  m.lower.values = {1, 4, 1, 1};
  EXPECT_EQ(FlatnessErrors(m, plot, err), 7);  // column 12 only
  EXPECT_EQ(err[12], -7);                      // nearer the upper limit
  EXPECT_EQ(err[11], 0);
  EXPECT_EQ(RippleText(0.37999L), "0.37db");
  EXPECT_EQ(RippleText(kFailedRipple), "1000db");
}

TEST(AutoCorrect, BringsAHandsetInsideTheMaskAndFlattensIt) {
  const FitContext context = HandsetContext("TS26.131");
  const FirDesign start = FlatFir(31);
  FirDesign fir = start;
  ScriptedObserver observer;
  const AutoCorrectResult r = AutoCorrect(fir, context, {}, observer);
  EXPECT_GT(r.maskPasses, 0);  // the flat start does not fit
  EXPECT_GT(r.flatnessPasses, 1);
  EXPECT_TRUE(r.fits);
  EXPECT_LT(r.lastFlatnessError, r.firstFlatnessError / 3);
  EXPECT_EQ(observer.texts,
            (std::vector<std::string>{"Mask correction...", "Flatness optimisation..."}));
  EXPECT_EQ(observer.events, 1 + r.maskPasses + r.flatnessPasses);  // at the start, every pass
  // Re-centred: the highest band a third of the spread above 0 dB.
  const long double hi = *std::max_element(fir.levels.begin(), fir.levels.begin() + 16);
  const long double lo = *std::min_element(fir.levels.begin(), fir.levels.begin() + 16);
  EXPECT_NEAR(hi, (hi - lo) / 3, 1e-12);

  // The plain recomputation of the same run gives the same bits.
  FirDesign plain = start;
  ScriptedObserver plainObserver;
  reference::PlainEvaluator evaluator(context);
  const AutoCorrectResult p = AutoCorrect(plain, context, {}, plainObserver, evaluator);
  EXPECT_EQ(p.maskPasses, r.maskPasses);
  EXPECT_EQ(p.flatnessPasses, r.flatnessPasses);
  EXPECT_EQ(plain.levels, fir.levels);
}

// Both runs on a spectrum: they end by themselves (not by the observer's safety
// limit) with finite levels and taps.
struct BothRuns {
  FirDesign wizard = FlatFir(31), calculated = FlatFir(31);
  AutoCorrectResult correction;
  FirFitResult fit;
  explicit BothRuns(const Spectrum& s) {
    ScriptedObserver a, b;
    const LimitMask mask = *FindMask(Wizard::Downlink, "TS26.131");
    correction = AutoCorrect(wizard, {mask, PlotMapping{}, SpectrumResponse(s)}, {}, a);
    fit = FitFir(calculated, FirCalculationContext(s), 0, b);
    EXPECT_FALSE(correction.cancelled);
    EXPECT_FALSE(fit.cancelled);
    for (const FirDesign* fir : {&wizard, &calculated}) {
      for (int k = 0; k < 16; ++k) EXPECT_TRUE(std::isfinite(fir->levels[k])) << k;
      for (int i = 0; i < 31; ++i) EXPECT_TRUE(std::isfinite(fir->taps[i])) << i;
    }
  }
};

// An empty spectrum, and broken points: NaN, or -inf / +inf dB (a pasted linear
// amplitude of 0). An infinite point is as broken as a NaN one: both runs give
// the same levels as with a NaN there.
TEST(AutoCorrect, EmptyOrBrokenSpectraEndByThemselves) {
  BothRuns empty{Spectrum{}};
  Spectrum broken = reference::HandsetSpectrum();
  broken.level[40] = NAN;
  const BothRuns nan{broken};
  for (long double bad : {-INFINITY, INFINITY}) {
    SCOPED_TRACE(static_cast<double>(bad));
    Spectrum infinite = reference::HandsetSpectrum();
    infinite.level[40] = bad;
    const BothRuns r{infinite};
    EXPECT_TRUE(r.correction.fits);
    EXPECT_EQ(r.wizard.levels, nan.wizard.levels);
    EXPECT_FALSE(r.fit.failed);
    EXPECT_EQ(r.calculated.levels, nan.calculated.levels);
    EXPECT_NEAR(infinite.At(1000) + r.calculated.Response(1000), 0, 0.01);
  }
  // The point next to 1000 Hz broken: no level to put on the target.
  Spectrum measured = reference::HandsetSpectrum();
  ASSERT_GT(measured.freq[80], 1000);
  ASSERT_LT(measured.freq[79], 1000);
  measured.level[80] = -INFINITY;
  EXPECT_TRUE(std::isfinite(BothRuns{measured}.fit.Ripple()));
}

TEST(AutoCorrect, RefusesAnUndesignableLength) {
  const FitContext context = HandsetContext("TS26.131");
  FirDesign fir;
  fir.tapCount = 500;
  ScriptedObserver observer;
  const AutoCorrectResult r = AutoCorrect(fir, context, {}, observer);
  EXPECT_EQ(r.maskPasses + r.flatnessPasses + observer.events, 0);
}

TEST(FirFit, AFlatResponseMeetsPointFourDbWithSevenTaps) {
  // Flat within 0.3 dB, 3 dB below the reference.
  const Spectrum measured = Sampled([](long double f) { return -3 + 0.15L * sinl(f / 250); });
  const FitContext context = FirCalculationContext(measured);
  FirDesign fir = FlatFir(7);
  ScriptedObserver observer;
  const FirFitResult r = FitFir(fir, context, -4.7L, observer);
  EXPECT_FALSE(r.failed);
  EXPECT_EQ(r.maskPasses, 0);
  EXPECT_GT(r.ripplePasses, 0);
  EXPECT_LE(r.Ripple(), 0.4);
  EXPECT_EQ(observer.ripples.size(), static_cast<size_t>(r.ripplePasses));
  EXPECT_NEAR(measured.At(1000) + fir.Response(1000), -4.7, 0.01);
}

// A step of exactly 20 dB touches the +-10 dB mask on both sides with a flat
// filter and so fits; half a dB more and no short filter can hold it.
TEST(FirFit, ATwentyDbStepFails) {
  const Spectrum measured = Sampled([](long double f) { return f < 1000 ? -20.5L : 0.0L; });
  FirDesign fir = FlatFir(7);
  ScriptedObserver observer;
  const FirFitResult r = FitFir(fir, FirCalculationContext(measured), 0, observer);
  EXPECT_TRUE(r.failed);
  EXPECT_EQ(r.Ripple(), 1000);
  EXPECT_EQ(r.ripplePasses, 0);
  const auto [lo, hi] = std::minmax_element(fir.levels.begin(), fir.levels.begin() + 4);
  EXPECT_GT(*hi - *lo, 200) << "the mask phase runs until a level passes +-200 dB";
}

TEST(FirFit, ClosingTheWindowEndsTheFitOnItsTargetLevel) {
  const Spectrum measured = reference::HandsetSpectrum();
  FirDesign fir = FlatFir(31);
  ScriptedObserver observer;
  observer.cancelAfter = 3;
  const FirFitResult r = FitFir(fir, FirCalculationContext(measured), 0, observer);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(r.maskPasses, 2);
  EXPECT_NEAR(measured.At(1000) + fir.Response(1000), 0, 0.01);
}

TEST(FirFit, CachedRunEqualsThePlainRecomputation) {
  const FitContext context = FirCalculationContext(reference::HandsetSpectrum());
  FirDesign cached = FlatFir(31), plain = FlatFir(31);
  ScriptedObserver a, b;
  reference::PlainEvaluator evaluator(context);
  const FirFitResult r = FitFir(cached, context, -4.7L, a);
  const FirFitResult p = FitFir(plain, context, -4.7L, b, evaluator);
  EXPECT_FALSE(r.failed);
  EXPECT_GT(r.ripplePasses, 1);
  EXPECT_EQ(r.maskPasses, p.maskPasses);
  EXPECT_EQ(r.ripplePasses, p.ripplePasses);
  EXPECT_EQ(r.Ripple(), p.Ripple());
  EXPECT_EQ(cached.levels, plain.levels);
  EXPECT_EQ(cached.taps, plain.taps);
}

}  // namespace
}  // namespace vt::filters
