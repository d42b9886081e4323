// The wave bench on the fast virtual bench: its labels and gains from a
// hand-made cal file, speech-like files through the handset both ways against
// the bench's own gains, and the ear recording linked to the tester player.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <tuple>
#include <vector>

#include "bench/Bench.h"
#include "measure/AudioPort.h"
#include "measure/WaveFile.h"
#include "telephonometry/WaveBench.h"
#include "tests/support/Files.h"

namespace vt::telephonometry {
namespace {

struct SilentUser : BenchUi {
  std::string said;
  struct : filters::FitObserver {
  } window;
  void Message(const std::string& caption, const std::string& text, MessageIcon) override { said = caption + ": " + text; }
  bool Prompt(const std::string&) override { return true; }
  void Status(const std::string&) override {}
  void ShowLevel(double) override {}
  bool KeepResponsive() override { return false; }
  filters::FitObserver& FirWindow(const filters::Spectrum&) override { return window; }
};

class WaveBenchTest : public ::testing::Test {
 protected:
  bench::Bench bench{false};
  SilentUser user;
  vt::testing::TempDir temp;
  std::string dir = temp.File("");
  CalFile file{dir + "bench.acal"};
  WaveBench wb;
  std::string text;

  void SetUp() override {
    Do("load " VT_SOURCE_DIR "/benches/realistic.bench");
    Do("scene handset-on-ear");
    Do("tester call");
    measure::SetAudioBackend(bench.Card());
  }
  void TearDown() override {
    wb.Close();
    EXPECT_FALSE(measure::PortInputOpen() || measure::PortOutputOpen());
    measure::SetAudioBackend(nullptr);
  }
  void Do(const std::string& command) { ASSERT_TRUE(bench.Command(command, text)) << command << ": " << text; }
  // Every calibration at card volume 20000: mouth ref level and the ear, encoder, decoder gains.
  void Open(double ref, double ear, double enc, double dec, DlInterface dl = DlInterface::Type32LowLeak) {
    CalWrites w(file);
    const std::string earSection = EarSection(dl);
    for (auto [section, key, value] : {std::tuple{"mouth_cal", "ref_level", ref}, {"mouth_cal", "a0", 1.0},
                                       {earSection.c_str(), "gain", ear}, {"cmu_enc_cal", "gain", enc},
                                       {"cmu_dec_cal", "gain", dec}}) {
      w.Float(section, key, value);
      w.Integer(section, key == std::string("a0") ? "fir_order" : "card_gain", key[0] == 'a' ? 1 : 20000);
    }
    ASSERT_TRUE(w.Commit(text)) << text;
    ASSERT_TRUE(wb.Open(file, dl, user)) << user.said;
  }
  // `seconds` of 8000 Hz samples: a 1 kHz tone in 4 Hz syllable-like bursts, or a +-8192 square.
  std::string Wave(const std::string& name, double seconds, bool square = false, int rate = 8000) {
    std::vector<int16_t> s(static_cast<size_t>(seconds * 8000));
    for (size_t k = 0; k < s.size(); ++k)
      s[k] = square ? (k % 2 ? 8192 : -8192) : int16_t(12000 * (0.55 + 0.45 * std::sin(M_PI * k / 1000)) * std::sin(M_PI * k / 4));
    measure::TWaveFile f;
    EXPECT_TRUE(f.OpenWrite(dir + name, 1, rate, 16));
    f.Write(static_cast<int32_t>(s.size()), s.data(), nullptr);
    f.Close();
    return dir + name;
  }
  // Lets the fast card run `seconds` of audio.
  void Run(double seconds) {
    const uint64_t until = bench.Card()->FramesRun() + static_cast<uint64_t>(seconds * 48000);
    while (bench.Card()->FramesRun() < until) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // A recording's samples (up to `to`), and their energy spread over `over` samples in dBfs.
  std::vector<int16_t> Samples(const std::string& name, size_t to = 1u << 30) {
    measure::TWaveFile f;
    EXPECT_TRUE(f.OpenRead(dir + name)) << f.Error();
    std::vector<int16_t> s(std::min<size_t>(f.DataSize() / 2, to));
    f.Read(static_cast<int32_t>(s.size()), s.data(), nullptr);
    return s;
  }
  static double Dbfs(const std::vector<int16_t>& s, size_t over) {
    double e = 0;
    for (int16_t v : s) e += double(v) * v;
    return 10 * std::log10(e / over / (32767.0 * 32767.0));
  }
};

TEST_F(WaveBenchTest, LabelsAndGainsFollowTheCalibration) {
  Open(1000, -14.25, -3.5, -8.5);
  const std::string square = Wave("square.wav", 1, true);  // rms and peak 8192: -12.04 dBfs
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Mouth, 70), "") << "not active yet";
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Mouth, square, text));
  EXPECT_EQ(text, "-12dBfs rms, -12dBfs pk");
  // LM = 20 log10(8.192) - 4.7 = 13.568; LC = -12.041 + 3.5.
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Mouth, 0), "-11.4dBPa");
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Cmu, square, text));
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Cmu, 51), "-8dBm0");
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "ear.wav", text)) << text;
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Ear, 50), "-14.2dBfs when 0dBPa");
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Decoder, dir + "dec.wav", text)) << text;
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Decoder, 100), "16.5dBfs when 0dBm0");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Decoder), 25 - 6.14 + 8.5, 1e-9);
  wb.StopRecord(WaveGroup::Decoder);
  EXPECT_EQ(wb.BlockGainDb(WaveGroup::Decoder), 0);
  // A file the player refuses says why and leaves its group active and silent.
  EXPECT_FALSE(wb.StartPlay(WaveGroup::Mouth, Wave("cd.wav", 1, true, 44100), text));
  EXPECT_NE(text.find("44100 Hz"), std::string::npos) << text;
  EXPECT_TRUE(wb.Active(WaveGroup::Mouth));

  // The electrical interface: the ear reads in dBm0 and is not shifted.
  Open(1000, -2.25, -3.5, -8.5, DlInterface::Electrical);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "elec.wav", text));
  EXPECT_EQ(wb.ScrollBarChange(WaveGroup::Ear, 50), "-2.2dBm0 when 0dBm0");
  EXPECT_NEAR(wb.BlockGainDb(WaveGroup::Ear), 2.25, 1e-9);
}

// A file played at its reference level (-4.7 dBPa read, which is -1.69 dBPa
// rms: the mouth is referred to its calibration tone's peak) reaches the
// decoder recording at -6.14 dBfs for 0 dBm0; the tester's file (-16 dBm0
// read) reaches the ear recording at -22.14 dBfs for 0 dBPa.
TEST_F(WaveBenchTest, RecordingsCarryTheHandsetsGainsBothWays) {
  const bench::BenchTruth t = bench.Truth();
  Open(t.MouthRefLevel(20000), t.EarGain(bench::EarType::Type32LowLeak, 20000), t.EncoderGain(20000),
       t.DecoderGain(20000));
  const std::string speech = Wave("speech.wav", 3);
  wb.SetLooped(WaveGroup::Mouth, false);
  wb.SetLooped(WaveGroup::Cmu, false);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Decoder, dir + "ul.wav", text));
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Mouth, speech, text));
  Run(4);
  wb.StopRecord(WaveGroup::Decoder);
  EXPECT_NEAR(Dbfs(Samples("ul.wav"), 24000) + 6.14 - (-4.7 - t.MouthReadingOffset()), t.SendDb(1000), 0.5);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "dl.wav", text));
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Cmu, speech, text));
  Run(4);
  wb.StopRecord(WaveGroup::Ear);
  EXPECT_NEAR(Dbfs(Samples("dl.wav"), 24000) + 22.14 - (-16 - t.EncoderReadingOffset()), t.ReceiveDb(1000), 0.5);
}

TEST_F(WaveBenchTest, LinkedEarRecordingFollowsTheTesterPlayer) {
  Open(1000, -14, bench.Truth().EncoderGain(20000), -8);
  wb.SetLooped(WaveGroup::Cmu, false);
  wb.SetLinked(true);
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "linked.wav", text));
  Run(1);
  int32_t earPeak = 0, decoderPeak = 0;
  ASSERT_TRUE(wb.StartPlay(WaveGroup::Cmu, Wave("speech.wav", 1), text));
  Run(1.5);
  wb.Tick(earPeak, decoderPeak);
  EXPECT_GT(earPeak, 1000);
  EXPECT_FALSE(wb.Active(WaveGroup::Ear)) << "the end of the tester's file ends the recording";
  EXPECT_GE(Samples("linked.wav").size(), 8000u);
  EXPECT_GT(Dbfs(Samples("linked.wav", 4000), 4000), -40) << "the recording starts with the tester's file";

  // "Stop play" of the tester ends a linked recording too.
  ASSERT_TRUE(wb.StartRecord(WaveGroup::Ear, dir + "stopped.wav", text));
  wb.RestartPlay(WaveGroup::Cmu);
  wb.StopPlay(WaveGroup::Cmu);
  EXPECT_TRUE(wb.Paused(WaveGroup::Ear));
  EXPECT_FALSE(wb.Active(WaveGroup::Ear));
}

}  // namespace
}  // namespace vt::telephonometry
