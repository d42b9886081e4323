// The wave bench from a scripted session on the fast virtual bench: the
// tester's file into the handset, the mouth's file into its microphone and
// the ear recorded, as a user does it from the "Measurements" page. Leaves
// the window during playback as wave_bench.png in the build folder.

#include <gmock/gmock.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Voxhost.h"
#include "measure/WaveFile.h"

namespace vt::testing {
namespace {

TEST(WaveBenchScript, PlaysAndRecordsThroughTheWindow) {
  const std::string cal = Temp("bench.acal"), speech = Temp("speech.wav"), ear = Temp("ear.wav");
  const std::string shot = VT_BINARY_DIR "/wave_bench.png", dump = Temp("wave_bench.json");
  std::remove(shot.c_str());
  std::ofstream(cal) << "[mouth_cal]\ncard_gain=20000\nref_level=1000\n[ear_cal_32LL]\ncard_gain=20000\ngain=-13.65\n"
                         "[cmu_enc_cal]\ncard_gain=20000\ngain=-11\n[cmu_dec_cal]\ncard_gain=20000\ngain=-9\n";
  std::vector<int16_t> s(16000);  // a 1.2 kHz tone in syllable-like bursts
  for (size_t k = 0; k < s.size(); ++k) s[k] = int16_t(9000 * (0.6 + 0.4 * std::sin(k * 0.003)) * std::sin(k * 0.94));
  measure::TWaveFile f;
  ASSERT_TRUE(f.OpenWrite(speech, 1, 8000, 16));
  f.Write(static_cast<int32_t>(s.size()), s.data(), nullptr);
  f.Close();
  const std::string script =
      "bench scene handset-on-ear\nbench tester call\n"
      "tab TabSheet17\nanswer " + cal + "\nclick DefineCalFileButton\n"
      "click WaveBenchButton\n"
      "answer " + ear + "\nclick Form9.Button7\nset Form9.ScrollBar3 60\n"
      "answer " + speech + "\nclick Form9.Button4\n"
      "answer " + speech + "\nclick Form9.Button1\n"
      "wait 400\nshot Form9 " + shot + "\ndump " + dump + "\n"
      "click Form9.Button8\n";
  const ScriptRun r = RunScript(script, "--audio virtual:fast --bench '" VT_SOURCE_DIR "/benches/realistic.bench'");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_GT(std::filesystem::file_size(shot), 1000u);
  std::ifstream in(dump);
  const std::string json{std::istreambuf_iterator<char>(in), {}};
  EXPECT_THAT(json, ::testing::HasSubstr("\"caption\":\"-8.6dBfs when 0dBPa\""));
  EXPECT_THAT(json, ::testing::ContainsRegex("\"caption\":\"-[0-9.]+dBfs rms, -[0-9.]+dBfs pk\",[^}]*\"name\":\"Label2\""));
  EXPECT_GT(std::filesystem::file_size(ear), 44u + 16000u) << "the ear recorded while the files played";
}

}  // namespace
}  // namespace vt::testing
