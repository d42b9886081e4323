// Synchro, generators, level analyzer and FIR filter against plain references.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <thread>
#include <vector>

#include "TestBlocks.h"
#include "measure/FirFilter.h"
#include "measure/Generators.h"
#include "measure/LevelAnalyzer.h"
#include "measure/MeasureTool.h"

namespace vt::measure {
namespace {

using namespace std::chrono_literals;

TEST(Synchro, FiresOnTheCallAfterItsThresholdAndOnlyOnceUnlessRepeating) {
  TSynchro synchro;
  synchro.SetThreshold(5);
  EXPECT_EQ(synchro.Process(), nullptr) << "idle until armed";
  for (int round = 0; round < 2; ++round) {  // re-arming counts from zero again
    synchro.Arm();
    std::vector<int> firing;
    for (int call = 1; call <= 30; ++call)
      if (synchro.Process()) firing.push_back(call);
    EXPECT_EQ(firing, std::vector<int>{6});
  }

  synchro.SetRepeat(true);
  synchro.SetThreshold(2);
  synchro.Arm();
  std::vector<int> firing;
  for (int call = 1; call <= 9; ++call)
    if (synchro.Process()) firing.push_back(call);
  EXPECT_EQ(firing, (std::vector<int>{3, 6, 9}));
}

TEST(Synchro, WaitEndsOnTheEventOnStopOrWhenNoAudioArrives) {
  TSynchro synchro;
  synchro.SetThreshold(0);
  synchro.Arm();
  synchro.Process()->Set();
  EXPECT_TRUE(synchro.Wait());
  EXPECT_EQ(synchro.Error(), "");

  synchro.Arm();
  synchro.Stop();
  EXPECT_TRUE(synchro.Wait()) << "Stop releases a waiter";

  const auto saved = TSynchro::NoAudioTimeout();
  TSynchro::SetNoAudioTimeout(150ms);
  synchro.Arm();
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(synchro.Wait());
  EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
  EXPECT_NE(synchro.Error().find("No audio"), std::string::npos) << synchro.Error();
  EXPECT_FALSE(synchro.WaitFor(50ms));
  TSynchro::SetNoAudioTimeout(saved);
}

// A second wait after the synchro fired (no re-arm) while buffers keep coming:
// nothing can fire it, so the wait must end with an error instead of blocking
// the GUI thread for as long as the stream runs.
TEST(Synchro, WaitOnADisarmedSynchroEndsWhileAudioFlows) {
  const auto saved = TSynchro::NoAudioTimeout();
  TSynchro::SetNoAudioTimeout(150ms);
  TSynchro synchro;
  synchro.SetThreshold(2);
  synchro.Arm();
  std::atomic<bool> done{false};
  std::atomic<int> calls{0};
  std::thread streaming([&] {
    // A buffer a millisecond, stopping at the latest after 20000 of them.
    for (; calls.load() < 20000 && !done.load(); ++calls) {
      if (Event* e = synchro.Process()) e->Set();
      std::this_thread::sleep_for(1ms);
    }
  });
  EXPECT_TRUE(synchro.Wait()) << synchro.Error();
  EXPECT_FALSE(synchro.Wait());
  const bool stillStreaming = calls.load() < 20000;
  done.store(true);
  streaming.join();
  EXPECT_TRUE(stillStreaming) << "the wait ended only when the audio stopped";
  EXPECT_NE(synchro.Error().find("not armed"), std::string::npos) << synchro.Error();
  TSynchro::SetNoAudioTimeout(saved);
}

TEST(SineGenerator, IncrementUsesTheWorkingRateAndSamplesTruncate) {
  TSineGenerator sine;
  sine.SetFrequency(1000);
  EXPECT_DOUBLE_EQ(sine.PhaseIncrement(), std::numbers::pi / 4);
  sine.sampleRate = 44100;  // 44100 / 6 = 7350 as integers
  sine.SetFrequency(1000);
  EXPECT_DOUBLE_EQ(sine.PhaseIncrement(), 2 * std::numbers::pi * 1000 / 7350);

  sine.SetFormat(48000, true);
  sine.SetFrequency(1000);
  sine.SetAmplitude(16383);
  std::vector<int16_t> buf(2000, 7);
  sine.Process(buf.data(), 2000);
  // 16383 sin(pi/4) = 11584.53: truncated, not rounded, on either side.
  EXPECT_EQ(buf[2], 11584);
  EXPECT_EQ(buf[4], 16383);
  EXPECT_EQ(buf[10], -11584);
  EXPECT_EQ(buf[1999], 7) << "the other channel is left alone";
}

TEST(MultiSineGenerator, ToneSetsStartPhasesAndOutput) {
  TMultiSineGenerator multi;
  auto hz = [](double increment) { return increment * 8000 / (2 * std::numbers::pi); };
  multi.SetTones(3, true, 2, 250);
  const auto inc = multi.Increments();
  ASSERT_EQ(inc.size(), 3u);
  EXPECT_NEAR(hz(inc[0]), 250, 1e-9);
  EXPECT_NEAR(hz(inc[1]), 500, 1e-9);
  EXPECT_NEAR(hz(inc[2]), 1000, 1e-9);
  multi.SetTones(3, false, 100, 250);
  EXPECT_NEAR(hz(multi.Increments()[2]), 450, 1e-9);

  multi.SetTones(20, true, 1.2, 100);
  const std::vector<double> earlier = multi.Phases();
  multi.SetTones(20, true, 1.2, 100);
  std::vector<double> phases = multi.Phases();
  EXPECT_NE(phases, earlier) << "each tone set draws new start phases";
  for (double p : phases) EXPECT_TRUE(p >= 0 && p <= 2.99 + 1e-12 && std::abs(p * 100 - std::round(p * 100)) < 1e-9) << p;
  multi.SetAmplitude(1000.5);
  int16_t first = 0;
  multi.Process(&first, 1);
  double sum = 0;
  for (double p : phases) sum += std::sin(p);
  EXPECT_EQ(first, static_cast<int16_t>(std::trunc(1000.5 * sum))) << "the tones start at their phases";
}

TEST(AmplitudeModulation, DepthZeroIsTransparentAndFullDepthStartsAtSilence) {
  TSineGenerator plain, inner;
  for (TSineGenerator* g : {&plain, &inner}) {
    g->SetFrequency(697);
    g->SetAmplitude(12000);
  }
  TAmplitudeModulation am(&inner);
  am.SetFrequency(6);
  am.SetDepth(0);
  std::vector<int16_t> expect(4000), got(4000);
  plain.Process(expect.data(), 4000);
  am.Process(got.data(), 4000);
  EXPECT_EQ(got, expect);

  // 2000 Hz at 8000 Hz: the carrier's odd samples are +-10000, showing the envelope.
  TSineGenerator carrier;
  carrier.SetFrequency(2000);
  carrier.SetAmplitude(10000);
  TAmplitudeModulation full(&carrier);
  full.SetFrequency(10);
  full.SetDepth(100);
  std::vector<int16_t> env(1600);
  full.Process(env.data(), 1600);
  EXPECT_EQ(env[1], 0) << "envelope starts at its minimum";
  const int peak = *std::max_element(env.begin(), env.end());
  EXPECT_TRUE(peak > 9990 && peak <= 10000) << peak;
}

TEST(LevelAnalyzer, PeakAndRmsOfPerBufferMeanSquares) {
  TLevelAnalyzer level;
  double rms = -1;
  int16_t peak = -1;
  level.SetFormat(48000, true);
  std::vector<int16_t> a{100, 9999, -300, 9999, 200, 9999, -32768, 9999};  // left: 100 -300 200 -32768
  std::vector<int16_t> b{10, 0, 20, 0};
  level.Process(a.data(), 8);
  level.Process(b.data(), 4);
  const double msA = (100.0 * 100 + 300.0 * 300 + 200.0 * 200 + 32768.0 * 32768) / 4;
  const double msB = (10.0 * 10 + 20.0 * 20) / 2;
  level.GetLevel(&peak, &rms);
  EXPECT_NEAR(rms, std::sqrt((msA + msB) / 2), 1e-9);
  EXPECT_EQ(peak, 32767) << "|-32768| is held at full scale";
  level.Reset();
  level.GetLevel(&peak, &rms);
  EXPECT_EQ(rms + peak, 0.0);
}

// Plain direct-form FIR with the filter's output limits.
std::vector<int16_t> ReferenceFir(const std::vector<double>& c, const std::vector<int16_t>& x) {
  std::vector<int16_t> y;
  for (size_t n = 0; n < x.size(); ++n) {
    double acc = 0;
    for (size_t k = 0; k < c.size() && k <= n; ++k) acc += c[k] * x[n - k];
    acc = std::clamp(acc, -32767.0, 32767.0);
    y.push_back(static_cast<int16_t>(std::trunc(acc)));
  }
  return y;
}

TEST(FirFilter, MatchesDirectFormInBothModes) {
  const std::vector<double> c{0.5, -0.25, 0.125, 0.9, -0.3, 0.05, 0.7};
  std::vector<int16_t> x(3000);
  for (size_t n = 0; n < x.size(); ++n)
    x[n] = static_cast<int16_t>(20000 * std::sin(0.37 * n) + 9000 * std::cos(0.011 * n * n));
  const std::vector<int16_t> expect = ReferenceFir(c, x);

  // Analyzer mode: the filter feeds a recorder through its scratch buffer.
  testing::TCapture recorder;
  TFirFilter analyzerFir(&recorder);
  analyzerFir.generatorMode = false;
  for (int16_t v : {-32768, -32767, 0, 32767})
    EXPECT_EQ(analyzerFir.Filter(v), std::max<int16_t>(v, -32767)) << "disabled: passes all but -32768";
  analyzerFir.SetCoefficients(c.data(), static_cast<int32_t>(c.size()));
  analyzerFir.SetEnabled(true);
  std::vector<int16_t> copy = x;
  analyzerFir.Process(copy.data(), 1000);
  analyzerFir.Process(copy.data() + 1000, 2000);
  EXPECT_EQ(recorder.values, expect);
  EXPECT_EQ(copy, x) << "analyzer mode leaves the input alone";

  // Generator mode, borrowing only a mutex: the owner wires child 0.
  struct Player : TMeasureTool {
    explicit Player(const std::vector<int16_t>& s) : TMeasureTool("Player"), src(s) {}
    Event* Process(int16_t* s, int32_t n) override {
      for (int32_t i = 0; i < n; i += Stride()) s[i] = src[pos++];
      return nullptr;
    }
    const std::vector<int16_t>& src;
    size_t pos = 0;
  } player(x);
  TFirFilter generatorFir(player.Mutex());
  generatorFir.children[0] = &player;
  generatorFir.SetCoefficients(c.data(), static_cast<int32_t>(c.size()));
  generatorFir.SetEnabled(true);
  std::vector<int16_t> out(3000);
  generatorFir.Process(out.data(), 1700);
  generatorFir.Process(out.data() + 1700, 1300);
  EXPECT_EQ(out, expect);

  std::vector<double> tooMany(300, 0.001);
  generatorFir.SetCoefficients(tooMany.data(), 300);  // only 256 taps fit
  player.pos = 0;
  generatorFir.Process(out.data(), 600);
  out.resize(600);
  EXPECT_EQ(out, ReferenceFir(std::vector<double>(256, 0.001), std::vector<int16_t>(x.begin(), x.begin() + 600)));
}

}  // namespace
}  // namespace vt::measure
