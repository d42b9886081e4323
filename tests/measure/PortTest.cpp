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
#include "measure/VirtualBench.h"

namespace vt::measure {
namespace {

using namespace std::chrono_literals;
using testing::PortGuard;
using testing::TCapture;

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

// Writes the buffer's number (1, 2, ...) into every value of its channel and
// returns that buffer's own event.
class TNumberedBuffers : public TMeasureTool {
 public:
  TNumberedBuffers() : TMeasureTool("NumberedBuffers") {}
  Event* Process(int16_t* samples, int32_t count) override {
    ++calls;
    const int k = made.load();
    const bool numbered = k < static_cast<int>(events.size());
    for (int32_t i = 0; i < count; i += Stride()) samples[i] = static_cast<int16_t>(numbered ? k + 1 : 0);
    if (!numbered) return nullptr;
    made.store(k + 1);
    return &events[static_cast<size_t>(k)];
  }
  std::array<Event, 40> events;
  std::atomic<int> made{0}, calls{0};
};

// Looks at each buffer's audio as the card plays it: its event must not have
// fired yet.
class EventWatch : public BenchPath {
 public:
  explicit EventWatch(TNumberedBuffers& g) : gen(g) {}
  void Run(const double* const out[2], double* const in[2], int frames, int rate) override {
    for (int f = 0; f < frames; ++f) {
      const int v = static_cast<int>(out[0][f]);
      in[0][f] = in[1][f] = 0;
      if (v == last || v < 1) continue;
      last = v;
      ++seen;
      if (gen.events[static_cast<size_t>(v - 1)].IsSet()) ++early;
    }
  }
  TNumberedBuffers& gen;
  int last = 0;
  std::atomic<int> seen{0}, early{0};
};

TEST_F(Port, GeneratorEventsFireWhenTheirBufferHasPlayed) {
  TNumberedBuffers gen;
  auto watch = std::make_shared<EventWatch>(gen);
  bench_->SetPath(watch);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, false, true, nullptr, nullptr, &gen, nullptr, 960));
  StartPlayback();
  ASSERT_TRUE(Eventually([&] { return watch->seen.load() >= 20; }));
  StopPlayback();
  EXPECT_EQ(watch->early.load(), 0) << "events fired before their audio was played";
  const int made = gen.made.load(), calls = gen.calls.load();
  std::this_thread::sleep_for(50ms);
  EXPECT_EQ(gen.calls.load(), calls) << "no generator call after StopPlayback";
  EXPECT_TRUE(Eventually([&] {
    for (int k = 0; k < made; ++k)
      if (!gen.events[static_cast<size_t>(k)].IsSet()) return false;
    return true;
  })) << "every buffer's event fires once its audio is done, the last ones included";
  ClosePort();
  EXPECT_EQ(DataBlocksInUse(), 0);
  bench_->SetPath(nullptr);
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
