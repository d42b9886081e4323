// Wave files, the player and the recorder: round trips, looping, gains, and
// files the player must refuse or stop short on.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "measure/WaveBlocks.h"
#include "measure/WaveFile.h"
#include "tests/support/Files.h"

namespace vt::measure {
namespace {

class Wave : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.File(name); }
  vt::testing::TempDir dir_;
};

uint32_t U32(const std::string& b, size_t at) {
  uint32_t v = 0;
  std::memcpy(&v, &b[at], 4);
  return v;
}

// A mono 16-bit file written by the class itself.
std::string WriteWave(const std::string& path, const std::vector<int16_t>& samples, uint32_t rate = 8000) {
  TWaveFile f;
  EXPECT_TRUE(f.OpenWrite(path, 1, rate, 16)) << f.Error();
  f.Write(static_cast<int32_t>(samples.size()), samples.data(), nullptr);
  f.Close();
  return path;
}

std::vector<int16_t> Ramp(size_t n, int from = 1) {
  std::vector<int16_t> v(n);
  for (size_t k = 0; k < n; ++k) v[k] = static_cast<int16_t>(from + static_cast<int>(k));
  return v;
}

// Mono and stereo written in two pieces read back the same, and the header
// left by Close matches the samples: RIFF size = 36 + data size.
TEST_F(Wave, RoundTripWithSizesThatMatchTheSamples) {
  for (int channels : {1, 2}) {
    const std::string path = Path("trip" + std::to_string(channels) + ".wav");
    const std::vector<int16_t> left = Ramp(1000, -500), right = Ramp(1000, 3000);
    TWaveFile out;
    ASSERT_TRUE(out.OpenWrite(path, channels, 8000, 16)) << out.Error();
    out.Write(600, left.data(), right.data());
    out.Write(400, left.data() + 600, nullptr);  // no right source: zeros
    out.Close();
    const std::string bytes = vt::testing::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 44u + 2000u * channels);
    EXPECT_EQ(U32(bytes, 4), 36 + U32(bytes, 40));
    EXPECT_EQ(U32(bytes, 40), 2000u * channels);
    TWaveFile in;
    ASSERT_TRUE(in.OpenRead(path)) << in.Error();
    std::vector<int16_t> l(1000), r(1000);
    in.Read(1000, l.data(), r.data());
    EXPECT_EQ(l, left);
    std::vector<int16_t> expectRight = channels == 1 ? left : right;
    if (channels == 2) std::fill(expectRight.begin() + 600, expectRight.end(), 0);
    EXPECT_EQ(r, expectRight) << "a mono file gives its channel to both sides";
    EXPECT_FALSE(in.EndReached());
  }
}

TEST_F(Wave, TheEndGivesZerosAndLoopingIsSeamless) {
  TWaveFile f;
  ASSERT_TRUE(f.OpenRead(WriteWave(Path("ten.wav"), Ramp(10))));
  std::vector<int16_t> got(25);
  f.Read(4, got.data(), nullptr);
  f.Read(21, got.data() + 4, nullptr);
  std::vector<int16_t> expect = Ramp(10);
  expect.resize(25, 0);
  EXPECT_EQ(got, expect);
  EXPECT_TRUE(f.EndReached());
  f.Rewind();
  f.SetLoop(true);
  f.Read(7, got.data(), nullptr);
  f.Read(18, got.data() + 7, nullptr);
  for (size_t k = 0; k < got.size(); ++k) ASSERT_EQ(got[k], static_cast<int16_t>(k % 10 + 1)) << k;
  EXPECT_FALSE(f.EndReached());
}

// What the player cannot play gives silence and says why; a broken file
// does not crash it.
TEST_F(Wave, UnplayableOrBrokenFilesGiveSilenceWithAReason) {
  TWaveFile deep;
  ASSERT_TRUE(deep.OpenWrite(Path("deep.wav"), 1, 8000, 24));
  deep.Write(100, Ramp(100).data(), nullptr);
  deep.Close();
  struct Case {
    std::string path, reason;
  } cases[] = {
      {Path("deep.wav"), "24-bit samples"},
      {WriteWave(Path("cd.wav"), Ramp(100), 44100), "sampled at 44100 Hz; it must be 8000 Hz"},
      {WriteWave(Path("cut.wav"), Ramp(100)), "is damaged"},
      {Path("missing.wav"), "Cannot open"},
      {Path("text.wav"), ""},
  };
  std::ofstream(Path("text.wav")) << "Begin DSP_CONF\nEnd DSP_CONF\n";
  std::filesystem::resize_file(Path("cut.wav"), 30);
  for (const Case& c : cases) {
    TWavePlayer player;
    player.SetFormat(48000, true);
    EXPECT_FALSE(player.Open(c.path));
    EXPECT_NE(player.Error().find(c.reason), std::string::npos) << player.Error();
    EXPECT_NE(player.Error(), "");
    std::vector<int16_t> out(20, 99);
    player.Process(out.data(), 20);
    for (size_t k = 0; k < out.size(); ++k) EXPECT_EQ(out[k], k % 2 ? 99 : 0) << c.path;
  }
}

TEST_F(Wave, PlayerAndRecorderGainsHoldFullScale) {
  const std::vector<int16_t> values{20000, -20000, 100, 0};
  TWavePlayer player;
  player.Open(WriteWave(Path("loud.wav"), values));
  player.SetGainDb(6);  // x 1.9953
  std::vector<int16_t> out(4);
  player.Process(out.data(), 4);
  EXPECT_EQ(out, (std::vector<int16_t>{32767, -32767, 199, 0}));

  TWaveRecorder recorder;
  recorder.SetFormat(48000, true);
  ASSERT_TRUE(recorder.Start(Path("rec.wav"))) << recorder.Error();
  recorder.SetGainDb(6);
  std::vector<int16_t> in{30000, 1, -30000, 1, 100, 1, -32768, 1};
  recorder.Process(in.data(), 8);
  EXPECT_EQ(recorder.TakePeak(), static_cast<int32_t>(32768 * std::pow(10.0, 0.3)));
  EXPECT_EQ(recorder.TakePeak(), 0);
  recorder.Stop();
  TWaveFile back;
  ASSERT_TRUE(back.OpenRead(Path("rec.wav")));
  EXPECT_EQ(back.SampleRate(), 8000u);
  std::vector<int16_t> got(5, 7);
  back.Read(5, got.data(), nullptr);
  EXPECT_EQ(got, (std::vector<int16_t>{32767, -32767, 199, -32767, 0}));
}

// A recording cut short, by a program killed mid-way or a recorder freed
// without Stop, is still a wave file of what was recorded.
TEST_F(Wave, ARecordingCutShortStaysReadable) {
  std::vector<int16_t> ramp = Ramp(10000, -5000);
  auto record = [&](const std::string& path) {
    auto* recorder = new TWaveRecorder;
    recorder->SetFormat(48000, false);
    recorder->Start(path);
    for (size_t at = 0; at < ramp.size(); at += 400) recorder->Process(ramp.data() + at, 400);
    return recorder;
  };
  delete record(Path("freed.wav"));
  const pid_t child = ::fork();
  if (child == 0) {
    record(Path("killed.wav"));
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  // Samples past the header's count (the program stopped between a write and
  // its header update) are not read, and do not make the file unreadable.
  std::filesystem::copy_file(Path("freed.wav"), Path("outran.wav"));
  std::ofstream(Path("outran.wav"), std::ios::app | std::ios::binary).write("\x80\x01\x81\x01\xff\x7f\x00\x10\x00\x00\x02\x00", 12);
  for (const char* name : {"freed.wav", "killed.wav", "outran.wav"}) {
    TWaveFile back;
    ASSERT_TRUE(back.OpenRead(Path(name))) << back.Error();
    std::vector<int16_t> got(back.DataSize() / 2);
    back.Read(static_cast<int32_t>(got.size()), got.data(), nullptr);
    EXPECT_EQ(got, ramp) << name;
  }
}

}  // namespace
}  // namespace vt::measure
