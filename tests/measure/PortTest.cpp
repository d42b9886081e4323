// The sound-card port on the virtual bench (as fast as buffers are consumed).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <thread>

#include "TestBlocks.h"
#include "measure/AudioPort.h"
#include "measure/Generators.h"
#include "measure/LevelAnalyzer.h"
#include "measure/RateConverters.h"
#include "measure/VirtualBench.h"

namespace vt::measure {
namespace {

using namespace std::chrono_literals;
using testing::PortGuard;
using testing::TCapture;
using testing::TRamp;

class Port : public ::testing::Test {
 protected:
  void SetUp() override {
    auto bench = std::make_unique<VirtualBench>(false);
    bench_ = bench.get();
    SetAudioBackend(std::move(bench));
    ResetBufferPools();
    TSynchro::SetNoAudioTimeout(1500ms);
  }
  void TearDown() override {
    ClosePort();
    TSynchro::SetNoAudioTimeout(5000ms);
    EXPECT_FALSE(PortInputOpen());
    EXPECT_FALSE(PortOutputOpen());
  }
  // Waits until `pred` holds (bounded), returning it.
  template <typename Pred>
  static bool Eventually(Pred pred) {
    for (int k = 0; k < 300 && !pred(); ++k) std::this_thread::sleep_for(10ms);
    return pred();
  }
  VirtualBench* bench_ = nullptr;
};

// Pool blocks keep whatever the last stream left in them: fill them all.
void DirtyPool() {
  std::vector<int16_t*> blocks;
  while (int16_t* b = AllocateDataBlock()) {
    std::fill(b, b + kMaxBufferValues, int16_t{1234});
    blocks.push_back(b);
  }
  for (int16_t* b : blocks) FreeDataBlock(b);
}

TEST_F(Port, BufferLengthRule) {
  struct Case {
    int rate;
    bool stereo;
    int32_t asked, values;
  } cases[] = {{48000, true, 0, 4800}, {44100, false, 0, 2204}, {48000, true, 960, 960}, {48000, true, 5002, 0}};
  PortGuard guard;
  for (const Case& c : cases) {
    EXPECT_EQ(OpenPort(c.rate, c.stereo, true, true, nullptr, nullptr, nullptr, nullptr, c.asked), c.values > 0)
        << "a buffer must fit a 10000-byte pool block";
    EXPECT_EQ(c.values ? PortBufferLength() : 0, c.values);
    ClosePort();
  }
}

TEST_F(Port, OpeningAnOpenDirectionFailsAndLeavesThePortStreaming) {
  TSineGenerator sine;
  TSynchro synchro;
  sine.synchro = &synchro;
  synchro.SetThreshold(3);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, false, true, nullptr, nullptr, &sine, nullptr, 4800));
  StartPlayback();
  EXPECT_FALSE(OpenPort(48000, true, false, true, nullptr, nullptr, nullptr, nullptr, 4800));
  EXPECT_FALSE(OpenPort(48000, true, true, true, nullptr, nullptr, nullptr, nullptr, 4800));
  EXPECT_FALSE(PortInputOpen()) << "a refused call opens nothing";
  ASSERT_TRUE(OpenPort(48000, true, true, false, nullptr, nullptr, nullptr, nullptr, 4800));
  StartRecording();
  EXPECT_TRUE(PortInputOpen());
  sine.SetAmplitude(200);
  EXPECT_TRUE(synchro.Wait()) << synchro.Error();
}

TEST_F(Port, InputOnlyWithoutAnalyzersFeedsTheIdleBlocksAndFreesEveryBuffer) {
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, true, false, nullptr, nullptr, nullptr, nullptr, 4800));
  StartRecording();
  EXPECT_TRUE(Eventually([&] { return bench_->FramesRun() > 48000; }));
  EXPECT_LE(DataBlocksInUse(), kBuffersInFlight + 1);
  ClosePort();
  EXPECT_EQ(DataBlocksInUse() + HeadersInUse(), 0);
  EXPECT_EQ(PortError(), "");
}

TEST_F(Port, AFailedOutputOpenClosesTheInputAgain) {
  struct NoOutput : VirtualBench {
    NoOutput() : VirtualBench(false) {}
    bool OpenOutput(const WaveFormat&, DoneCallback) override { return false; }
  };
  SetAudioBackend(std::make_unique<NoOutput>());
  PortGuard guard;
  EXPECT_FALSE(OpenPort(48000, true, true, true, nullptr, nullptr, nullptr, nullptr, 4800));
  EXPECT_FALSE(PortInputOpen());
  EXPECT_TRUE(OpenPort(48000, true, true, false, nullptr, nullptr, nullptr, nullptr, 4800))
      << "the input is free again";
}

// 4801 mono values a buffer: six does not divide them. What is recorded is
// exactly the interpolated tone, with no value left over from the pool.
TEST_F(Port, BuffersOfAnyLengthCarryEveryValue) {
  DirtyPool();
  TSineGenerator sine, twin;
  TUpSamplerBy6 up(&sine), reference(&twin);
  TCapture capture;
  TSynchro synchro;
  capture.synchro = &synchro;
  synchro.SetThreshold(14);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, false, true, true, &capture, nullptr, &up, nullptr, 4801));
  for (TSineGenerator* g : {&sine, &twin}) {
    g->SetFrequency(1000);
    g->SetAmplitude(10000);
  }
  StartRecording();
  StartPlayback();
  synchro.Arm();
  ASSERT_TRUE(synchro.Wait()) << synchro.Error();
  StopPlayback();
  StopRecording();
  ClosePort();
  const std::vector<int16_t> got = capture.Values();
  std::vector<int16_t> expect(6 * 4801);
  reference.Process(expect.data(), static_cast<int32_t>(expect.size()));
  const auto start = std::find_if(got.begin(), got.end(), [](int16_t v) { return v != 0; });
  const auto first = std::find_if(expect.begin(), expect.end(), [](int16_t v) { return v != 0; });
  const size_t at = static_cast<size_t>(start - got.begin()), from = static_cast<size_t>(first - expect.begin());
  ASSERT_GE(at, 4u * 4801) << "four silent buffers lead";
  ASSERT_GE(got.size() - at, 4u * 4801);
  for (size_t k = 0; k < 4u * 4801; ++k) ASSERT_EQ(got[at + k], expect[from + k]) << k;
}

TEST_F(Port, ClosePortEndsBothThreadsAndThePortOpensAgain) {
  TRamp ramp;
  TCapture capture;
  PortGuard guard;
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(OpenPort(48000, true, true, true, &capture, nullptr, &ramp, nullptr, 4800));
    StartRecording();
    StartPlayback();
    ASSERT_TRUE(Eventually([&] { return ramp.calls > 5 && capture.calls > 5; }));
    ClosePort();  // no Stop first: closing stops the device itself
    const int played = ramp.calls, recorded = capture.calls;
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(ramp.calls, played);
    EXPECT_EQ(capture.calls, recorded);
    EXPECT_FALSE(PortOutputOpen());
    EXPECT_EQ(DataBlocksInUse(), 0);
  }
  ClosePort();  // closing a closed port is harmless
}

TEST_F(Port, LostDeviceEndsWaitsWithAnErrorAndClosingStillReturns) {
  TSynchro::SetNoAudioTimeout(200ms);
  TLevelAnalyzer level;
  TSynchro synchro;
  level.synchro = &synchro;
  synchro.SetThreshold(3);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, true, true, &level, nullptr, nullptr, nullptr, 4800));
  StartRecording();
  StartPlayback();
  level.Reset();
  ASSERT_TRUE(synchro.Wait());
  bench_->SimulateFailure("unplugged");
  level.Reset();
  EXPECT_FALSE(synchro.Wait());
  EXPECT_NE(synchro.Error().find("No audio"), std::string::npos);
  EXPECT_EQ(PortError(), "unplugged") << "a device lost while streaming is reported at once";
  ClosePort();
  EXPECT_EQ(DataBlocksInUse(), 0);
  EXPECT_FALSE(SetPlaybackVolume(100, 100)) << "no mixer while the port is closed";
  EXPECT_FALSE(OpenPort(48000, true, true, false, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_EQ(PortError(), "unplugged");
}

// The input thread hands the device a fresh buffer before it frees the one it
// got back: with only the four starting buffers free it finds the pool empty.
TEST_F(Port, ExhaustedPoolStopsTheStreamWithAnError) {
  TSynchro::SetNoAudioTimeout(200ms);
  std::vector<int16_t*> taken;
  for (int k = 0; k < kPoolSize - kBuffersInFlight; ++k) taken.push_back(AllocateDataBlock());
  TCapture capture;
  TSynchro synchro;
  capture.synchro = &synchro;
  synchro.SetThreshold(10);
  synchro.Arm();
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, true, false, &capture, nullptr, nullptr, nullptr, 4800));
  StartRecording();
  EXPECT_FALSE(synchro.Wait());
  EXPECT_EQ(PortError(), "No free audio buffer: recording stopped");
  EXPECT_LE(capture.calls, kBuffersInFlight);
  ClosePort();
  for (int16_t* block : taken) FreeDataBlock(block);
  EXPECT_EQ(DataBlocksInUse(), 0);
  EXPECT_EQ(HeadersInUse(), 0);
}

// A tone through up-sampler, loopback and down-sampler keeps its rms; the
// mixer volumes then scale it as a card's would.
TEST_F(Port, ToneRmsThroughTheConvertersAndMixerVolumes) {
  TSineGenerator sine;
  TUpSamplerBy6 up(&sine);
  TLevelAnalyzer level, right;
  TDownSamplerBy6 down(&level), downRight(&right);
  TSynchro synchro;
  level.synchro = &synchro;
  synchro.SetThreshold(4);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, true, true, &down, &downRight, &up, nullptr, 4800));
  sine.SetFrequency(1000);
  sine.SetAmplitude(20000);
  StartRecording();
  StartPlayback();
  auto measure = [&] {
    double rms = 0;
    for (int pass = 0; pass < 2; ++pass) {
      level.Reset();
      EXPECT_TRUE(synchro.Wait());
    }
    level.GetLevel(nullptr, &rms);
    return rms;
  };
  ASSERT_TRUE(SetPlaybackVolume(32767, 32767));
  ASSERT_TRUE(SetRecordVolume(32767, 32767));
  const double full = measure();
  EXPECT_NEAR(full, 20000 / std::sqrt(2.0), 20000 / std::sqrt(2.0) * 0.005);
  double rmsRight = -1;
  right.GetLevel(nullptr, &rmsRight);
  EXPECT_EQ(rmsRight, 0.0) << "the idle right generator writes silence in stereo";
  ASSERT_TRUE(SetPlaybackVolume(16384, -1));
  EXPECT_NEAR(measure() / full, 0.5, 0.01);
  ASSERT_TRUE(SetRecordVolume(16384, -1));
  EXPECT_NEAR(measure() / full, 0.25, 0.005);
  ASSERT_TRUE(bench_->SetMute(MixerLine::WaveOutSource, true));
  EXPECT_LT(measure(), 1.0);
  SetPlaybackVolume(32767, -1);
  SetRecordVolume(32767, -1);
  EXPECT_NEAR(measure(), full, full * 0.01) << "the playback volume unmutes the wave-out line";
  StopPlayback();
  StopRecording();
}

TEST(AudioBackends, ChosenByText) {
  std::string error;
  EXPECT_EQ(CreateAudioBackend("")->Name(), "virtual");
  EXPECT_EQ(CreateAudioBackend("alsa")->Name(), "alsa:default");
  EXPECT_EQ(CreateAudioBackend("alsa:hw:0")->Name(), "alsa:hw:0");
  EXPECT_EQ(CreateAudioBackend("oss:/dev/dsp", &error), nullptr);
  EXPECT_NE(error.find("oss:/dev/dsp"), std::string::npos);
}

// Stereo buffers of an odd number of values end in half a frame: the bench
// once waited forever for the missing half, holding its lock.
TEST_F(Port, StereoBuffersEndingInHalfAFrameKeepStreaming) {
  TCapture capture;
  TSynchro synchro;
  capture.synchro = &synchro;
  synchro.SetThreshold(3);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, true, true, &capture, nullptr, nullptr, nullptr, 4801));
  synchro.Arm();
  StartRecording();
  StartPlayback();
  EXPECT_TRUE(synchro.Wait()) << synchro.Error();
}

}  // namespace
}  // namespace vt::measure
