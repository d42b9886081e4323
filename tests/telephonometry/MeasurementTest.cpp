// RLR, SLR and TCLw measured on the virtual bench (fast mode) with a
// calibration record taken from the bench's truth, against the figures the
// bench works out on its own from its model.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>

#include "bench/Bench.h"
#include "measure/AudioPort.h"
#include "telephonometry/Measurement.h"

namespace vt::telephonometry {
namespace {

struct Operator : BenchUi {
  std::vector<std::string> said;  // messages and status lines
  int progress = 0, stopAtProgress = -1;
  void Message(const std::string& caption, const std::string& text, MessageIcon) override {
    said.push_back(caption + ": " + text);
  }
  bool Prompt(const std::string&) override { return true; }
  void Status(const std::string& text) override { said.push_back(text); }
  void ShowLevel(double) override {}
  void Progress(const std::string&, int, int total) override { progress += total > 0; }
  bool KeepResponsive() override { return progress == stopAtProgress; }
  filters::FitObserver& FirWindow(const filters::Spectrum&) override { return fit; }
  filters::FitObserver fit;
};

class Measuring : public ::testing::Test {
 protected:
  bench::Bench bench{false};
  Operator user;
  CalData cal;
  std::filesystem::path home = std::filesystem::current_path();
  std::filesystem::path dir = std::filesystem::path(::testing::TempDir()) / ("vt_meas_" + std::to_string(::getpid()));

  void SetUp() override {
    // The stimulus file goes to the current directory.
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    Do("load " VT_SOURCE_DIR "/benches/ideal.bench");
    Do("scene handset-on-ear");
    Do("tester call");
    measure::SetAudioBackend(bench.Card());
    // A perfect calibration at half card volume; the ideal mouth is flat.
    const bench::BenchTruth t = bench.Truth();
    constexpr int kVolume = 16384;
    cal.encoderGain = t.EncoderGain(kVolume);
    cal.decoderGain = t.DecoderGain(kVolume);
    cal.earGain = t.EarGain(bench::EarType::Type32LowLeak, kVolume);
    cal.mouthRefLevel = t.MouthRefLevel(kVolume);
    cal.encoderCardGain = cal.decoderCardGain = cal.earCardGain = cal.mouthCardGain = kVolume;
    cal.earFir = cal.mouthFir = {1.0};
  }
  void TearDown() override {
    measure::SetAudioBackend(nullptr);
    std::filesystem::current_path(home);
    std::filesystem::remove_all(dir);
  }
  // Runs a measurement and prints how long it took.
  Measurement Timed(Measurement (*measure)(const CalData&, BenchUi&, bool), const char* name) {
    const auto start = std::chrono::steady_clock::now();
    Measurement m = measure(cal, user, true);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("%s: %.1f s\n", name, took.count());
    return m;
  }
  void Do(const std::string& command) {
    std::string out;
    ASSERT_TRUE(bench.Command(command, out)) << out;
  }
};

TEST_F(Measuring, FiguresMatchTheBenchAndFollowTheHandset) {
  const bench::BenchTruth t = bench.Truth();
  const Measurement rlr = Timed(MeasureReceive, "RLR");
  ASSERT_TRUE(rlr.Ok()) << rlr.message;
  EXPECT_NEAR(rlr.figure, t.Rlr(), 0.3);
  const Measurement slr = Timed(MeasureSend, "SLR");
  ASSERT_TRUE(slr.Ok()) << slr.message;
  EXPECT_NEAR(slr.figure, t.Slr(), 0.3);
  const Measurement tcl = Timed(MeasureEcho, "TCL");
  ASSERT_TRUE(tcl.Ok()) << tcl.message;
  EXPECT_NEAR(tcl.figure, t.Tclw(), 0.3);
  EXPECT_EQ(user.said, (std::vector<std::string>{
                           "Initialize bench...", "Measuring spectrum...", "Measuring loudness...", "",
                           "Initialize bench...", "Measuring spectrum...", "Measuring loudness...", "",
                           "Initialize bench...", "Measuring spectrum...", "Measuring tcl...", ""}));
  EXPECT_FALSE(measure::PortInputOpen() || measure::PortOutputOpen());
  std::printf("RLR %.2f (truth %.2f), SLR %.2f (%.2f), TCL %.2f (%.2f)\n", rlr.figure, t.Rlr(), slr.figure,
              t.Slr(), tcl.figure, t.Tclw());

  // The handset 6 dB louder in the ear: RLR 6 dB lower.
  Do("set handset.dl_gain_db " + std::to_string(t.params.dlGainDb + 6));
  const Measurement louder = MeasureReceive(cal, user, false);
  ASSERT_TRUE(louder.Ok()) << louder.message;
  EXPECT_NEAR(louder.figure - rlr.figure, -6, 0.3);
}

TEST_F(Measuring, AStopClosesThePortAndGivesNoFigure) {
  user.stopAtProgress = 1;
  const Measurement m = MeasureEcho(cal, user, true);
  EXPECT_EQ(m.outcome, CalOutcome::Cancelled);
  EXPECT_EQ(user.said.back(), "Error: Stopped by user");
  EXPECT_FALSE(measure::PortInputOpen() || measure::PortOutputOpen());
}

}  // namespace
}  // namespace vt::telephonometry
