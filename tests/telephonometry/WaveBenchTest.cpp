// The wave bench on the fast virtual bench: its labels and gains from a
// hand-made cal file, speech-like files through the handset both ways against
// the bench's own gains, and the ear recording linked to the tester player.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <thread>
#include <vector>

#include "bench/Bench.h"
#include "measure/AudioPort.h"
#include "measure/WaveFile.h"
#include "telephonometry/WaveBench.h"

namespace vt::telephonometry {
namespace {

struct SilentUser : BenchUi {
  std::vector<std::string> messages;
  void Message(const std::string& caption, const std::string& text, MessageIcon) override {
    messages.push_back(caption + ": " + text);
  }
  bool Prompt(const std::string&) override { return true; }
  void Status(const std::string&) override {}
  void ShowLevel(double) override {}
  bool KeepResponsive() override { return false; }
  struct : filters::FitObserver {
  } window;
  filters::FitObserver& FirWindow(const filters::Spectrum&) override { return window; }
};

class WaveBenchTest : public ::testing::Test {
 protected:
  bench::Bench bench{false};
  SilentUser user;
  std::string dir = ::testing::TempDir() + "vt_wavebench_" + std::to_string(::getpid());
  CalFile file{dir + "/bench.acal"};
  WaveBench wb;

  void SetUp() override {
    std::filesystem::create_directories(dir);
    Do("load " VT_SOURCE_DIR "/benches/realistic.bench");
    measure::SetAudioBackend(bench.Card());
  }
  void TearDown() override {
    wb.Close();
    EXPECT_FALSE(measure::PortInputOpen() || measure::PortOutputOpen());
    measure::SetAudioBackend(nullptr);
    std::filesystem::remove_all(dir);
  }
  void Do(const std::string& command) {
    std::string out;
    ASSERT_TRUE(bench.Command(command, out)) << command << ": " << out;
  }
  // Every calibration at one card volume: mouth ref level, ear, encoder, decoder gains.
  void WriteCal(int volume, double ref, double ear, double enc, double dec, const char* earSection = "ear_cal_32LL") {
    CalWrites w(file);
    w.Float("mouth_cal", "ref_level", ref);
    w.Integer("mouth_cal", "fir_order", 1);
    w.Float("mouth_cal", "a0", 1);
    w.Float(earSection, "gain", ear);
    w.Float("cmu_enc_cal", "gain", enc);
    w.Float("cmu_dec_cal", "gain", dec);
    for (const char* s : {"mouth_cal", earSection, "cmu_enc_cal", "cmu_dec_cal"}) w.Integer(s, "card_gain", volume);
    std::string error;
    ASSERT_TRUE(w.Commit(error)) << error;
  }
  // `seconds` of a 1 kHz tone at 8000 Hz in syllable-like bursts (4 Hz
  // envelope, never quite silent).
  std::string Speech(const std::string& name, double seconds) {
    std::vector<int16_t> s(static_cast<size_t>(seconds * 8000));
    for (size_t k = 0; k < s.size(); ++k) {
      const double env = 0.55 + 0.45 * std::sin(2 * M_PI * 4 * k / 8000.0);
      s[k] = static_cast<int16_t>(12000 * env * std::sin(2 * M_PI * 1000 * k / 8000.0));
    }
    return Wave(name, s);
  }
  std::string Wave(const std::string& name, const std::vector<int16_t>& s, int rate = 8000) {
    measure::TWaveFile f;
    EXPECT_TRUE(f.OpenWrite(dir + "/" + name, 1, rate, 16));
    f.Write(static_cast<int32_t>(s.size()), s.data(), nullptr);
    f.Close();
    return dir + "/" + name;
  }
  // Lets the fast card run `seconds` of audio.
  void Run(double seconds) {
    const uint64_t until = bench.Card()->FramesRun() + static_cast<uint64_t>(seconds * 48000);
    while (bench.Card()->FramesRun() < until) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // The samples of a recording.
  static std::vector<int16_t> Samples(const std::string& path) {
    measure::TWaveFile f;
    EXPECT_TRUE(f.OpenRead(path)) << f.Error();
    std::vector<int16_t> s(f.DataSize() / 2);
    f.Read(static_cast<int32_t>(s.size()), s.data(), nullptr);
    return s;
  }
  // dBfs of a recording's energy spread over `samples` samples.
  static double Dbfs(const std::vector<int16_t>& s, size_t samples) {
    double e = 0;
    for (int16_t v : s) e += double(v) * v;
    return 10 * std::log10(e / samples / (32767.0 * 32767.0));
  }
};

TEST_F(WaveBenchTest, LabelsAndGainsFollowTheCalibration) {
  WriteCal(20000, 1000, -14.25, -3.5, -8.5);
  ASSERT_TRUE(wb.Open(file, DlInterface::Type32LowLeak, user)) << user.messages.at(0);
  // A +-8192 square: rms and peak 8192, -12.04 dBfs.
  std::vector<int16_t> square(8000);
  for (size_t k = 0; k < square.size(); ++k) square[k] = k % 2 ? 8192 : -8192;
  const std::string sq = Wave("square.wav", square);
  std::string text;
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Mouth, 70), "") << "not active yet";
  EXPECT_EQ(wb.BlockGainDb(WaveGroup::Mouth), 0);
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Mouth, sq, text));
  EXPECT_EQ(text, "-12dBfs rms, -12dBfs pk");
  // LM = 20 log10(8.192) - 4.7 = 13.568; OM = -18.268.
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Mouth, 50), "13.5dBPa");
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Mouth, 0), "-11.4dBPa");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Mouth), -25 - 18.2681, 1e-3);
  // LC = -12.041 + 3.5 = -8.541; OC = -7.459.
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Cmu, sq, text));
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Cmu, 51), "-8dBm0");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Cmu), 0.5 - 7.4591, 1e-3);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "/ear.wav", text)) << text;
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Ear, 50), "-14.2dBfs when 0dBPa");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Ear), -22.14 + 14.25, 1e-9);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Decoder, dir + "/dec.wav", text)) << text;
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Decoder, 100), "16.5dBfs when 0dBm0");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Decoder), 25 - 6.14 + 8.5, 1e-9);
  wb.StopRecord(WaveGroup::Decoder);
  EXPECT_EQ(wb.BlockGainDb(WaveGroup::Decoder), 0);
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Decoder, 20), "");

  // A file the player refuses says why and leaves its group silent.
  EXPECT_FALSE(wb.StartPlay(WaveGroup::Mouth, Wave("cd.wav", square, 44100), text));
  EXPECT_NE(text.find("44100 Hz"), std::string::npos) << text;
  EXPECT_TRUE(wb.Active(WaveGroup::Mouth));
  wb.Close();

  // The electrical interface: the ear reads in dBm0 and is not shifted.
  WriteCal(20000, 1000, -2.25, -3.5, -8.5, "ear_cal_elec");
  ASSERT_TRUE(wb.Open(file, DlInterface::Electrical, user));
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "/elec.wav", text));
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Ear, 50), "-2.2dBm0 when 0dBm0");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Ear), 2.25, 1e-9);
  wb.Close();

  std::filesystem::remove(file.Path());
  EXPECT_FALSE(wb.Open(file, DlInterface::Type33, user));
  EXPECT_EQ(user.messages.back(), "Error: Calibrate mouth first!");
  EXPECT_FALSE(wb.IsOpen());
}

// A file played at its reference level (-4.7 dBPa read, which is -1.69 dBPa
// rms: the mouth is referred to its calibration tone's peak) reaches the
// decoder recording at -6.14 dBfs for 0 dBm0; the tester's file (-16 dBm0
// read) reaches the ear recording at -22.14 dBfs for 0 dBPa.
TEST_F(WaveBenchTest, RecordingsCarryTheHandsetsGainsBothWays) {
  const bench::BenchTruth truth = bench.Truth();
  const int v = 20000;
  WriteCal(v, truth.MouthRefLevel(v), truth.EarGain(bench::EarType::Type32LowLeak, v), truth.EncoderGain(v),
           truth.DecoderGain(v));
  Do("ear 32LL");
  Do("scene handset-on-ear");
  Do("tester call");
  ASSERT_TRUE(wb.Open(file, DlInterface::Type32LowLeak, user)) << user.messages.at(0);
  const std::string speech = Speech("speech.wav", 3);
  std::string text;
  wb.SetLooped(WaveGroup::Mouth, false);
  wb.SetLooped(WaveGroup::Cmu, false);

  ASSERT_TRUE(wb.StartRecord(WaveGroup::Decoder, dir + "/ul.wav", text));
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Mouth, speech, text));
  Run(4);
  wb.StopRecord(WaveGroup::Decoder);
  const double ul = Dbfs(Samples(dir + "/ul.wav"), 24000) + 6.14 - (-4.7 - truth.MouthReadingOffset());
  EXPECT_NEAR(ul, truth.SendDb(1000), 0.5);

  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "/dl.wav", text));
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Cmu, speech, text));
  Run(4);
  wb.StopRecord(WaveGroup::Ear);
  const double dl = Dbfs(Samples(dir + "/dl.wav"), 24000) + 22.14 - (-16 - truth.EncoderReadingOffset());
  EXPECT_NEAR(dl, truth.ReceiveDb(1000), 0.5);
}

TEST_F(WaveBenchTest, LinkedEarRecordingFollowsTheTesterPlayer) {
  const bench::BenchTruth truth = bench.Truth();
  WriteCal(20000, 1000, -14, truth.EncoderGain(20000), -8);
  Do("scene handset-on-ear");
  Do("tester call");
  ASSERT_TRUE(wb.Open(file, DlInterface::Type32LowLeak, user));
  const std::string speech = Speech("speech.wav", 1);
  std::string text;
  wb.SetLooped(WaveGroup::Cmu, false);
  wb.SetLinked(true);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "/linked.wav", text));
  EXPECT_TRUE(wb.Paused(WaveGroup::Ear));
  Run(1);
  int32_t earPeak = 0, decPeak = 0;
  wb.Tick(earPeak, decPeak);
  EXPECT_TRUE(wb.Active(WaveGroup::Ear)) << "waits for the tester player";
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Cmu, speech, text));
  EXPECT_FALSE(wb.Paused(WaveGroup::Ear));
  Run(1.5);
  wb.Tick(earPeak, decPeak);
  EXPECT_GT(earPeak, 1000);
  EXPECT_TRUE(wb.Paused(WaveGroup::Ear));
  EXPECT_FALSE(wb.Active(WaveGroup::Ear)) << "the end of the tester's file ends the recording";
  const size_t recorded = Samples(dir + "/linked.wav").size();
  EXPECT_GE(recorded, 8000u);
  Run(0.5);
  EXPECT_EQ(Samples(dir + "/linked.wav").size(), recorded) << "nothing after the end";

  // "Stop play" of the tester ends a linked recording too.
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "/stopped.wav", text));
  wb.RestartPlay(WaveGroup::Cmu);
  EXPECT_FALSE(wb.Paused(WaveGroup::Ear));
  wb.StopPlay(WaveGroup::Cmu);
  EXPECT_TRUE(wb.Paused(WaveGroup::Ear));
  EXPECT_FALSE(wb.Active(WaveGroup::Ear));
}

}  // namespace
}  // namespace vt::telephonometry
