// FIR and IIR designs, their fixed-point words, responses, the band spectrum and
// the plot mapping. Levels in dB, frequencies in Hz, taps as real values.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Reference.h"
#include "filters/ThirdOctaveBands.h"
#include "filters/FirDesign.h"
#include "filters/IirSection.h"
#include "filters/PlotMapping.h"

namespace vt::filters {
namespace {

FirDesign Fir(int taps, bool quantise = true) {
  FirDesign fir;
  fir.tapCount = taps;
  fir.quantise = quantise;
  return fir;
}

// Random levels in +-12 dB on the 0.1 dB grid of the level scroll bar.
void RandomLevels(FirDesign& fir, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> tenths(-120, 120);
  for (int k = 0; k <= fir.tapCount / 2; ++k) fir.levels[k] = tenths(rng) * 0.1L;
}

TEST(FirDesign, FlatLevelsGiveAUnitImpulseAndZeroDb) {
  for (int n : {31, 63}) {
    FirDesign fir = Fir(n);
    ASSERT_TRUE(fir.Flat());
    for (int i = 0; i < n; ++i) EXPECT_EQ(fir.taps[i], i == (n - 1) / 2 ? 1.0L : 0.0L) << n;
    for (long double f : {0.0L, 50.0L, 1000.0L, 3999.0L}) EXPECT_NEAR(fir.Response(f), 0, 1e-12);
  }
}

TEST(FirDesign, SixDbInBandFourActsAtItsCentreOnly) {
  FirDesign fir = Fir(31, false);
  fir.levels[4] = 6;
  ASSERT_TRUE(fir.Design());
  for (auto [f, db] : {std::pair{750, 0.0}, {1500, 0.0}, {1000, 3.51}, {1250, 3.51}, {1125, 4.27}})
    EXPECT_NEAR(fir.Response(f), db, 0.005) << f;
  for (int i = 0; i < 31; ++i) EXPECT_NEAR(fir.taps[i], fir.taps[30 - i], 1e-17);

  FirDesign quantised = fir;
  quantised.quantise = true;
  ASSERT_TRUE(quantised.Design());
  for (int f = 50; f <= 4000; f += 50) EXPECT_NEAR(quantised.Response(f), fir.Response(f), 0.01);
}

TEST(FirDesign, RefusesWhatHasNoFixedPointForm) {
  FirDesign fir = Fir(31);
  ASSERT_TRUE(fir.Flat());
  const auto flat = fir.taps;
  fir.levels[3] = NAN;
  EXPECT_FALSE(fir.Design());
  EXPECT_EQ(fir.taps, flat);
  fir.levels[3] = 0;
  fir.tapCount = 0;
  EXPECT_FALSE(fir.Design());
  fir.tapCount = kMaxTapCount + 1;
  EXPECT_FALSE(fir.Design());
  EXPECT_FALSE(fir.LevelsFromTaps());
  // +90 dB makes M > 8192: the Q12 gain word would be 0; the taps stay unquantised.
  fir.tapCount = 31;
  fir.levels.fill(90);
  EXPECT_FALSE(fir.Design());
  EXPECT_NEAR(fir.taps[15], powl(10, 4.5L), 1e-6);
}

// The plain design quantises on the grid of the gain word: taps in steps of
// 1 / (32767 S / 4096), S = RoundHalfToZero(4096 / M) for a largest tap M > 1.
TEST(FirDesign, CachedDesignEqualsPlainDesignBitForBit) {
  for (int n : {7, 31, 47, 63, 127}) {
    for (bool quantise : {false, true}) {
      FirDesign fir = Fir(n, quantise);
      RandomLevels(fir, n);
      if (n == 47) fir.levels.fill(12);  // centre tap near 3.98: S = 1029
      FirDesign plain = fir;
      ASSERT_TRUE(fir.Design());
      ASSERT_TRUE(reference::PlainDesign(plain));
      EXPECT_EQ(fir.taps, plain.taps) << n;
    }
  }
}

TEST(FirDesign, LevelsComeBackFromTheTaps) {
  for (int n : {31, 47, 63}) {
    FirDesign fir = Fir(n);
    RandomLevels(fir, 100 + n);
    const auto designed = fir.levels;
    ASSERT_TRUE(fir.Design());
    FirDesign plain = fir;
    ASSERT_TRUE(fir.LevelsFromTaps());
    reference::PlainLevelsFromTaps(plain);
    EXPECT_EQ(fir.levels, plain.levels) << n;
    // Quantisation and truncation to 0.1 dB toward zero.
    for (int k = 0; k <= n / 2; ++k) EXPECT_NEAR(fir.levels[k], designed[k], 0.1 + 1e-9) << k;
  }
  // The frame's default words: tap 15 = 32767/32768, every level reads 0.0 dB.
  FirDesign frame = Fir(31);
  frame.taps.fill(0);
  frame.taps[15] = TapFromWord(0x7FFF, 0x1000);
  ASSERT_TRUE(frame.LevelsFromTaps());
  for (int k = 0; k <= 15; ++k) EXPECT_EQ(frame.levels[k], 0.0L);
  frame.taps[3] = INFINITY;
  frame.levels[2] = 7;
  EXPECT_FALSE(frame.LevelsFromTaps());
  EXPECT_EQ(frame.levels[2], 7);
}

TEST(FirWords, ReadAndWriteScalesDiffer) {
  EXPECT_EQ(TapFromWord(32767, 4096), 32767 / 32768.0L);
  const long double one = 1, read = TapFromWord(32767, 4096), large[] = {0.25L, 1.5L, -0.75L};
  EXPECT_EQ(TapsToWords(&one, 1).taps[0], 32767);
  EXPECT_EQ(TapsToWords(&one, 1).gain, 4096);
  EXPECT_EQ(TapsToWords(&read, 1).taps[0], 32766);
  const FirWords words = TapsToWords(large, 3);
  EXPECT_EQ(words.gain, 6144);
  EXPECT_EQ(words.taps, (std::vector<long long>{5461, 32767, -16383}));
}

TEST(IirSection, FlatSectionHasTheFrameDefaultWordsAndZeroDb) {
  IirSection flat;
  EXPECT_EQ(flat.Words(), (std::array<long long, 5>{16384, -18353, 5140, -18353, 5140}));
  flat.f0 = 3500;
  flat.m = 0.01L;
  ASSERT_TRUE(flat.Design());
  for (long double f : {0.0L, 300.0L, 3900.0L}) EXPECT_EQ(flat.Response(f), 0);
}

TEST(IirSection, TwelveDbAtF0IsTheBackwardDifferenceImage) {
  IirSection s;
  s.gainF0 = powl(10, 12 / 20.0L);
  EXPECT_FALSE(s.Design());  // a1 * 16384 = -34989 leaves the Q14 range; kept and drawn
  EXPECT_EQ(s.a0, 1.9761962890625L);
  EXPECT_EQ(s.a1, -2.13555908203125L);
  EXPECT_NEAR(s.Response(1000), 8.6, 0.05);
  EXPECT_NEAR(s.Response(850), 8.8, 0.05);
  EXPECT_NEAR(s.Response(0), 0, 1e-3);  // 0 Hz keeps gainLf
}

// Parameters read back from a designed section's words, and from words
// without a prototype: D1 = 0 (b1 = b2 = 0), or a negative value under a
// root (gainHf < 0), which fall back to a flat section. The words stay as read.
TEST(IirSection, ParametersComeBackFromTheWords) {
  IirSection s, fallback;
  s.gainLf = powl(10, -6 / 20.0L);
  s.gainF0 = powl(10, 4 / 20.0L);
  s.gainHf = powl(10, 3 / 20.0L);
  s.f0 = 700;
  s.m = 0.8L;
  fallback.m = 0.5L;
  ASSERT_TRUE(s.Design());
  ASSERT_TRUE(fallback.Design());
  IirSection back;
  back.SetWords(s.Words());
  back.ParametersFromCoefficients();
  EXPECT_NEAR(back.gainF0, s.gainF0, 2e-2);
  EXPECT_NEAR(back.f0, 700, 3);
  EXPECT_NEAR(back.m, 0.8, 0.01);
  EXPECT_EQ(back.Words(), s.Words());
  for (auto words : {std::array<long long, 5>{16384, 0, 0, 0, 0},
                     std::array<long long, 5>{16384, -18353, -5140, -18353, 5140}}) {
    IirSection t;
    t.SetWords(words);
    t.ParametersFromCoefficients();
    EXPECT_EQ(std::vector<long double>({t.gainLf, t.gainF0, t.gainHf, t.f0, t.m}),
              std::vector<long double>({1, 1, 1, 1000, 0.5L}));
    EXPECT_EQ(t.Words(), fallback.Words());
  }
}

TEST(IirSection, ReportsCoefficientsOutsideQ14AndRefusesBadParameters) {
  IirSection s;
  s.gainHf = 10;  // +20 dB: a0 near 10
  EXPECT_FALSE(s.Design());
  EXPECT_GT(s.a0, 1.99994L);  // stored anyway
  const auto kept = s.Words();
  for (auto bad : {&IirSection::m, &IirSection::f0, &IirSection::gainF0, &IirSection::gainHf}) {
    IirSection t = s;
    t.*bad = 0;
    EXPECT_FALSE(t.Design());
    EXPECT_EQ(t.Words(), kept);
  }
  IirSection zero;
  zero.gainLf = 0;  // a zero at 0 Hz
  EXPECT_TRUE(zero.Design());
  EXPECT_LT(zero.Response(0), -60);
}

TEST(BandSpectrum, BandsAreThirdOctavesAroundOneKilohertz) {
  EXPECT_NEAR(BandSpectrum::LowerEdge(18), 1000 / powl(2, 1 / 6.0L), 1e-12);
  EXPECT_NEAR(BandSpectrum::UpperEdge(18), 1000 * powl(2, 1 / 6.0L), 1e-9);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(BandSpectrum::UpperEdge(i), BandSpectrum::LowerEdge(i + 1));
  EXPECT_EQ(BandSpectrum::BandOf(BandSpectrum::LowerEdge(18)), 17);  // an edge goes below
  EXPECT_EQ(BandSpectrum::BandOf(1), -1);
  EXPECT_EQ(BandSpectrum::BandOf(NAN), -1);
}

TEST(BandSpectrum, PowersAddInABandAndSpectraAddInDb) {
  BandSpectrum s;
  EXPECT_EQ(s.Level(0), -200);
  s.AddPoint(1000, 0);
  s.AddPoint(1050, 0);
  s.AddPoint(5, 40);  // below every band: ignored
  EXPECT_NEAR(s.Level(18), 10 * log10l(2), 1e-12);
  s.AddAmplitude(500, 0.5L);
  EXPECT_NEAR(s.Level(15), -6.0206, 1e-4);
  BandSpectrum gain;
  gain.SetLevel(18, -3);
  s.Add(gain);
  EXPECT_NEAR(s.Level(18), 10 * log10l(2) - 3, 1e-12);
}

TEST(PlotMapping, MapsTheFormsPlotAndItsPixelGrid) {
  PlotMapping plot;  // 609 x 297, 50..4000 Hz
  EXPECT_NEAR(plot.FreqOfX(609), 4000, 1e-9);
  const auto grid = plot.GridFrequencies();
  ASSERT_EQ(grid.size(), 607u);
  EXPECT_NEAR(grid.front(), 50.4, 0.05);
  EXPECT_NEAR(grid.back(), 3943, 1);
  for (int x = 1; x < 608; ++x) EXPECT_LE(unsigned(x - plot.XOfFreq(plot.FreqOfX(x))), 1u) << x;
  plot.filterAxis = {10, -30};
  EXPECT_EQ(plot.YOfLevel(10), 0);
  EXPECT_EQ(plot.YOfLevel(-30), 297);
  EXPECT_NEAR(plot.LevelOfY(148.5), -10, 1e-12);
  // Absurd inputs stay finite pixels.
  EXPECT_LT(plot.XOfFreq(-5), 1);
  EXPECT_EQ(plot.YOfLevel(0, LevelAxis{1, 1}), 1000000000);
}

TEST(PlotMapping, LevelRangeRule) {
  const struct {
    long double high, low;
    long double extra;
    int top, bottom;
  } cases[] = {
      {3, -1, kFilterAxisExtra, 5, -3},  // span 4 -> 5, + 4 -> 9, even 8 around centre 1
      {-7.5L, -20.5L, kFilterAxisExtra, -6, -22},  // centre -14, span 13 + 4 = 17 -> 16
  };
  for (const auto& c : cases) {
    const LevelAxis axis = LevelAxis::Fit(c.high, c.low, c.extra);
    SCOPED_TRACE(static_cast<double>(c.high + c.extra));
    EXPECT_EQ(axis.top, c.top);
    EXPECT_EQ(axis.bottom, c.bottom);
  }
  const LevelAxis flat = PlotMapping{}.FitAxis([](long double) { return 0.0L; }, kFilterAxisExtra);
  EXPECT_EQ(flat.top, 4);
  EXPECT_EQ(flat.bottom, -4);
}

}  // namespace
}  // namespace vt::filters
