// The bench model against its own truth: levels in each scene, the call's
// sensitivities and echo, the card's volumes, the bench files.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "bench/Bench.h"
#include "bench/BenchFile.h"
#include "measure/AudioPort.h"
#include "measure/Generators.h"
#include "measure/LevelAnalyzer.h"
#include "measure/RateConverters.h"
#include "Probe.h"

namespace vt::bench {
namespace {

const std::string kBenches = VT_SOURCE_DIR "/benches/";

BenchParams Load(const std::string& name) {
  BenchParams p;
  std::string error;
  EXPECT_TRUE(LoadBenchFile(kBenches + name, p, error)) << error;
  return p;
}

TEST(Bench, CalibratorAndTesterTonesReadAsTheSensitivitiesSay) {
  TelephonometryPath path(Load("realistic.bench"));
  const BenchTruth truth{path.Params(), {}};
  path.SetScene(Scene::RefMikeOnCalibrator);
  EXPECT_NEAR(InputsDbfs(path, {}, {}).first, -17.3, 0.01) << "94 dB SPL is 0 dBPa";
  EXPECT_NEAR(truth.RefMikeGain(32767), -17.3, 1e-9);
  path.SetScene(Scene::CalibratorOnEar);
  path.SetEar(EarType::Type32HighLeak);
  EXPECT_NEAR(InputsDbfs(path, {}, {}).first, -15.1 + 84.7 - 94, 0.01);
  path.SetTester(TesterMode::DecoderCal);
  EXPECT_NEAR(InputsDbfs(path, {}, {}).second, -7.4 + 3.14, 0.01);
  // The encoder loop: a -20 dBfs tone is 11.2 - 20 + 3.01 dBm0 at the encoder.
  path.SetTester(TesterMode::EncoderCal);
  const double a = 32767 * std::pow(10.0, -1.0);
  EXPECT_NEAR(InputsDbfs(path, {}, {1000, a}).second, SineDbfs(a) + 11.2 + 3.0103 - 7.4, 0.01);
  EXPECT_NEAR(truth.EncoderGain(32767), -11.2, 1e-9);
}

// In a call, tones at the encoder reach the ear and the decoder (echo), tones
// at the mouth reach the decoder, as the truth's sensitivities say; shapes,
// converters and delays included.
TEST(Bench, CallSensitivitiesAndEchoMatchTheTruth) {
  for (const char* file : {"realistic.bench", "strong-echo.bench"}) {
    SCOPED_TRACE(file);
    TelephonometryPath path(Load(file));
    const BenchTruth t{path.Params(), {}};
    const BenchParams& p = t.params;
    path.SetScene(Scene::HandsetOnEar);
    path.SetTester(TesterMode::Call);
    const double a = 10000, encDbm0 = SineDbfs(a) + 3.0103 + p.encoderDbm0;
    for (double hz : {315.0, 1000.0, 3150.0}) {
      SCOPED_TRACE(hz);
      const auto [ear, echo] = InputsDbfs(path, {}, {hz, a});
      EXPECT_NEAR(ear, encDbm0 + t.ReceiveDb(hz) + p.earDbfs[1], 0.05);
      EXPECT_NEAR(echo, encDbm0 + t.EchoDb(hz) + p.decoderDbfs, p.echoLossDb < 20 ? 0.05 : 0.3);
      const double mouthDbPa = SineDbfs(a) + 3.0103 + p.mouthDbPa + t.MouthResponseDb(hz);
      EXPECT_NEAR(InputsDbfs(path, {hz, a}, {}).second, mouthDbPa + t.SendDb(hz) + p.decoderDbfs, 0.3)
          << "the echo of silence adds nothing";
    }
  }
  const BenchTruth strong{Load("strong-echo.bench"), {}}, realistic{Load("realistic.bench"), {}};
  EXPECT_NEAR(strong.EchoDb(1000) - realistic.EchoDb(1000), 30, 1e-9) << "15 dB of echo loss, not 45";
}

// Through the real card and port: the playback volume scales the mouth, the
// record volume the reference microphone, as on a sound card.
TEST(Bench, CardVolumesScaleTheMouthLevel) {
  Bench bench(false);
  std::string out;
  ASSERT_TRUE(bench.Command("load " + kBenches + "realistic.bench", out)) << out;
  ASSERT_TRUE(bench.Command("scene ref-mike-at-mouth", out));
  measure::SetAudioBackend(bench.Card());
  measure::ResetBufferPools();
  measure::TSineGenerator sine;
  measure::TUpSamplerBy6 up(&sine);
  measure::TLevelAnalyzer level;
  measure::TDownSamplerBy6 down(&level);
  measure::TSynchro synchro;
  level.synchro = &synchro;
  synchro.SetThreshold(4);
  ASSERT_TRUE(measure::OpenPort(48000, true, true, true, &down, nullptr, &up, nullptr, 4800));
  sine.SetFrequency(1000);
  sine.SetAmplitude(3200);
  measure::StartRecording();
  measure::StartPlayback();
  auto dbPa = [&](int play, int record) {
    measure::SetPlaybackVolume(play, -1);
    measure::SetRecordVolume(record, -1);
    double rms = 0;
    for (int pass = 0; pass < 2; ++pass) {
      level.Reset();
      EXPECT_TRUE(synchro.Wait());
    }
    level.GetLevel(nullptr, &rms);
    return 20 * std::log10(rms / 32767) - bench.Truth().RefMikeGain(record);
  };
  const BenchTruth t = bench.Truth();
  EXPECT_NEAR(dbPa(20000, 30000), -4.7 + 20 * std::log10(3200 / t.MouthRefLevel(20000)), 0.05);
  EXPECT_NEAR(dbPa(10000, 30000) - dbPa(20000, 30000), -6.02, 0.05);
  EXPECT_NEAR(dbPa(20000, 15000), dbPa(20000, 30000), 0.05);
  measure::ClosePort();
  measure::SetAudioBackend(nullptr);
}

// The ratings' formulas and weights are checked with the measurement's own
// (tests/telephonometry/RatingsTest.cpp); here, how they follow the bench.
TEST(Bench, TruthRatingsFollowTheHandset) {
  BenchTruth t{Load("ideal.bench"), {}};
  const double rlr = t.Rlr(), rlrP79 = t.RlrP79(), tclw = t.TclwPhysical();
  t.params.dlGainDb += 6;
  t.params.echoLossDb += 10;
  EXPECT_NEAR(t.Rlr(), rlr - 6, 1e-9) << "6 dB more downlink gain, 6 dB less RLR";
  EXPECT_NEAR(t.RlrP79(), rlrP79 - 6, 1e-9);
  EXPECT_NEAR(t.TclwPhysical(), tclw + 10 - 6, 1e-9);
}

TEST(Bench, FilesAndCommandsSayWhatIsWrong) {
  Bench bench(false);
  std::string out;
  const std::pair<const char*, const char*> bad[] = {
      {"set handset.dl_gain_db loud", "handset.dl_gain_db must be a number, not \"loud\""},
      {"set handset.dl_gian_db 3", "no bench parameter \"handset.dl_gian_db\""},
      {"set mouth.response peak 1000 3", "mouth.response: \"peak 1000 3\" is not a filter"},
      {"scene desk", "no scene \"desk\""},
      {"tester on", "no tester mode \"on\""},
      {"load /nonexistent.bench", "cannot read the bench file /nonexistent.bench"},
  };
  for (const auto& [command, why] : bad) {
    EXPECT_FALSE(bench.Command(command, out)) << command;
    EXPECT_EQ(out.rfind(why, 0), 0u) << out;
  }
  EXPECT_TRUE(bench.Command("set handset.dl_response lowpass 3000 0.7", out));
  EXPECT_EQ(BenchParamText(bench.Path().Params(), "handset.dl_response"), "lowpass 3000 0.7");
}

}  // namespace
}  // namespace vt::bench
