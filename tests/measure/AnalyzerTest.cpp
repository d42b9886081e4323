// Butterworth sections and the fractional-octave analyzers against a plain
// reference bank of 12th-order Butterworth bands.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "TestBlocks.h"
#include "measure/OctaveAnalyzers.h"
#include "measure/RateConverters.h"

namespace vt::measure {
namespace {

using testing::TCapture;

using Complex = std::complex<double>;
constexpr double kPi = std::numbers::pi;

// Section coefficients {b0, b1, b2, a1, a2}.
using Section = std::array<double, 5>;

// Butterworth by poles: the analogue prototype's poles, prewarped and mapped
// through the bilinear transform, paired into sections normalised to unit gain
// at DC (low-pass) or at Nyquist (high-pass). Cutoff as a fraction of Nyquist.
std::vector<Section> Butterworth(bool highPass, double cutoff, int order) {
  const double k = std::tan(kPi * cutoff / 2);
  std::vector<Section> sections;
  for (int i = 0; i < order / 2; ++i) {
    const Complex p = std::polar(1.0, kPi - kPi * (2 * i + 1) / (2.0 * order));  // left half-plane
    const Complex z = (1.0 + k * p) / (1.0 - k * p);
    const double a1 = -2 * z.real(), a2 = std::norm(z);
    const double g = highPass ? (1 - a1 + a2) / 4 : (1 + a1 + a2) / 4;
    const double b1 = highPass ? -2 * g : 2 * g;
    sections.push_back({g, b1, g, a1, a2});
  }
  return sections;
}

// Direct form I over a whole signal.
std::vector<double> Filter(const std::vector<Section>& sections, std::vector<double> x) {
  for (const Section& s : sections) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& v : x) {
      const double y = s[0] * v + s[1] * x1 + s[2] * x2 - s[3] * y1 - s[4] * y2;
      x2 = x1, x1 = v, y2 = y1, y1 = y, v = y;
    }
  }
  return x;
}

// The bank stage by stage over whole arrays: each stage filters its input,
// then keeps every other value of its decimator's output for the next stage.
// Returns band rms values, lowest band first.
std::vector<double> ReferenceSpectrum(int bands, std::vector<double> x) {
  std::vector<double> rms(static_cast<size_t>(6 * bands));
  for (int s = 0; s < 6; ++s) {
    for (int k = 0; k < bands; ++k) {
      x = Filter(Butterworth(false, std::pow(2.0, -(2 * k + 1) / (2.0 * bands)), 12), x);
      const std::vector<double> b = Filter(Butterworth(true, std::pow(2.0, -(2 * k + 3) / (2.0 * bands)), 12), x);
      double e = 0;
      for (double v : b) e += v * v;
      rms[static_cast<size_t>(6 * bands - 1 - (bands * s + k))] = std::sqrt(e / static_cast<double>(b.size()));
    }
    x = Filter(Butterworth(false, 0.5, 24), x);
    std::vector<double> next;
    for (size_t n = 0; n < x.size(); n += 2) next.push_back(x[n]);
    x = next;
  }
  return rms;
}

std::vector<int16_t> Tone(double hz, double amplitude, size_t n) {
  std::vector<int16_t> x(n);
  for (size_t i = 0; i < n; ++i)
    x[i] = static_cast<int16_t>(amplitude * std::sin(2 * kPi * hz / 8000 * static_cast<double>(i)));
  return x;
}

template <typename Analyzer>
std::vector<double> Spectrum(Analyzer& a) {
  std::vector<double> out(Analyzer::kOutputs, -1.0);
  a.GetSpectrum(out.data());
  return out;
}

TEST(GenericIIR, OrderOneAndRefusedDesigns) {
  TGenericIIR iir;
  EXPECT_TRUE(iir.DesignLowPass(1000, 8000, 1));
  EXPECT_EQ(iir.Sections(), 0);
  EXPECT_EQ(iir.Process(123.25), 123.25) << "order 1: no section, input unchanged";
  EXPECT_FALSE(iir.DesignHighPass(1000, 8000, 42)) << "more than 20 sections";
  EXPECT_FALSE(iir.DesignLowPass(4000, 8000, 4)) << "cutoff at Nyquist";
}

// Tones at a band centre and on the edge between two bands read as the plain
// reference bank reads them, in both analyzers; the 1 kHz tone peaks where
// its band is; a reset clears everything.
TEST(OctaveAnalyzers, BandLevelsMatchThePlainReferenceBank) {
  for (double hz : {1000.0, 1000.0 * std::pow(2.0, 1.0 / 6), 161.0}) {
    const std::vector<int16_t> x = Tone(hz, 12000, 8000);
    const std::vector<double> xd(x.begin(), x.end());
    TThirdOctaveAnalyzer third;
    TTwelveOctaveAnalyzer twelfth;
    std::vector<int16_t> copy = x;
    third.Process(copy.data(), 8000);
    twelfth.Process(copy.data(), 8000);
    const auto got3 = Spectrum(third), got12 = Spectrum(twelfth);
    const auto ref3 = ReferenceSpectrum(3, xd), ref12 = ReferenceSpectrum(12, xd);
    for (size_t i = 0; i < got3.size(); ++i) EXPECT_NEAR(got3[i], ref3[i], 1e-7 * ref3[i] + 1e-9) << hz << " Hz band " << i;
    for (size_t i = 0; i < got12.size(); ++i) EXPECT_NEAR(got12[i], ref12[i], 1e-7 * ref12[i] + 1e-9) << hz << " Hz band " << i;
    if (hz == 1000.0) {
      EXPECT_EQ(std::max_element(got3.begin(), got3.end()) - got3.begin(), 12);
      EXPECT_EQ(std::max_element(got12.begin(), got12.end()) - got12.begin(), 48);
      EXPECT_NEAR(got3[12], 12000 / std::sqrt(2.0), 12000 / std::sqrt(2.0) * 0.1);
    }
    third.Reset();
    EXPECT_EQ(Spectrum(third), std::vector<double>(18, 0.0));
    EXPECT_EQ(third.Transform().Bank(0).Section(0)->w1, 0.0) << "a reset clears the filter states";
  }
  EXPECT_NEAR(TThirdOctaveAnalyzer::BandFrequency(17), 3174.8, 0.05);
  EXPECT_NEAR(TTwelveOctaveAnalyzer::BandFrequency(71), 3775.5, 0.05);
}

// Stage s runs on every 2^s-th value from the first.
TEST(OctaveAnalyzers, CountsPerStage) {
  TThirdOctaveAnalyzer a;
  std::vector<int16_t> x = Tone(300, 8000, 33);
  a.Process(x.data(), 32);
  for (int j = 0; j < 18; ++j) EXPECT_EQ(a.Transform().Count(j), 32 >> (j / 3)) << j;
  a.Process(x.data(), 1);
  EXPECT_EQ(a.Transform().Count(17), 2) << "the 33rd value starts a new cycle";
}

// One block, or many odd-sized ones through a down-sampler, on every
// processing path: the energies of the bank taken value by value.
template <typename Analyzer, typename Transform>
void CheckSplitBlocks(int peakBand) {
  const std::vector<int16_t> x = Tone(437.0 / 6, 9000, 6 * 12000);  // 437 Hz at 48000 Hz
  TCapture capture;
  TDownSamplerBy6 plain(&capture);
  plain.SetFormat(48000, false);
  std::vector<int16_t> copy = x;
  plain.Process(copy.data(), static_cast<int32_t>(copy.size()));
  Transform t;
  for (int16_t v : capture.values) t.Step(v);
  std::vector<double> stepped(Transform::kOutputs);
  t.GetSpectrum(stepped.data());
  EXPECT_GT(stepped[static_cast<size_t>(peakBand)], 1000.0);
  for (bool avx2 : {true, false}) {
    const bool before = AllowAvx2(avx2);
    for (const std::vector<size_t>& pieces : {std::vector<size_t>{6 * 12000}, {4801, 7, 1, 2999, 613}}) {
      Analyzer analyzer;
      TDownSamplerBy6 down(&analyzer);
      down.SetFormat(48000, false);
      std::vector<int16_t> buf = x;
      for (size_t pos = 0, k = 0; pos < buf.size(); ++k) {
        const size_t len = std::min(pieces[k % pieces.size()], buf.size() - pos);
        down.Process(buf.data() + pos, static_cast<int32_t>(len));
        pos += len;
      }
      EXPECT_EQ(Spectrum(analyzer), stepped) << "avx2 " << avx2 << ", " << pieces.size() << " piece sizes";
    }
    AllowAvx2(before);
  }
}

TEST(OctaveAnalyzers, SplitBlocksGiveIdenticalEnergies) {
  CheckSplitBlocks<TThirdOctaveAnalyzer, TThirdOctaveTransform>(8);     // 396.9 Hz
  CheckSplitBlocks<TTwelveOctaveAnalyzer, TTwelveOctaveTransform>(34);  // 436.7 Hz
}

}  // namespace
}  // namespace vt::measure
