// The virtual bench: a two-channel loopback sound card. What its outputs play
// reaches its inputs through a path (by default a per-channel gain, delay, FIR
// and noise). It runs in real time, or as fast as the port consumes buffers.
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "measure/AudioBackend.h"

namespace vt::measure {

// What lies between the card's outputs and its inputs. Values are in sample
// units (32767 = full scale) after the playback volume and before the record
// volume.
class BenchPath {
 public:
  virtual ~BenchPath() = default;
  // Bench thread. `out` and `in` hold `frames` values per channel (0 left, 1 right).
  virtual void Run(const double* const out[2], double* const in[2], int frames, int rate) = 0;
};

struct ChannelPath {
  double gain = 1.0;          // linear
  int delay = 0;              // samples at the card's rate
  std::vector<double> fir;    // empty: none
  double noiseRms = 0;        // white Gaussian noise added at the input, sample units
};

// Output c to input c through ChannelPath c.
class LoopbackPath : public BenchPath {
 public:
  explicit LoopbackPath(unsigned seed = 1);
  // Any thread.
  void SetChannel(int channel, ChannelPath path);
  // Bench thread.
  void Run(const double* const out[2], double* const in[2], int frames, int rate) override;

 private:
  struct State {
    ChannelPath path;
    std::vector<double> delayLine;  // ring of path.delay values
    size_t delayPos = 0;
    std::vector<double> firHistory;  // newest first
  };
  std::mutex mutex_;
  State channels_[2];
  std::mt19937 random_;
  std::normal_distribution<double> normal_{0.0, 1.0};
};

// Its mixer has every line of a card (0..65535, all at maximum to begin
// with). What reaches the path scales linearly with the wave-out source volume
// and is silenced by muting that line or the speakers; what is recorded scales
// with the wave-in volume. The other lines keep their values but do not act.
class VirtualBench : public AudioBackend {
 public:
  static constexpr long kVolumeMaximum = 65535;

  explicit VirtualBench(bool realTime = false);
  ~VirtualBench() override;

  // Any thread. The bench starts with a plain LoopbackPath.
  void SetPath(std::shared_ptr<BenchPath> path);
  std::shared_ptr<BenchPath> Path() const;
  // Any thread: the default path, for setting channel gains and delays.
  LoopbackPath& Loopback() { return *loopback_; }
  bool RealTime() const { return realTime_; }
  // Any thread: frames moved so far (for tests and diagnostics).
  uint64_t FramesRun() const;
  // Any thread: from now on the devices stop moving data and hold their
  // buffers, as a card that was unplugged ("" restores the card).
  void SimulateFailure(const std::string& error);

  std::string Name() const override { return realTime_ ? "virtual" : "virtual:fast"; }
  bool OpenInput(const WaveFormat& format, DoneCallback done) override;
  bool AddInputBuffer(WaveHeader* header) override;
  bool StartInput() override;
  void ResetInput() override;
  void CloseInput() override;
  bool OpenOutput(const WaveFormat& format, DoneCallback done) override;
  bool WriteOutput(WaveHeader* header) override;
  void ResetOutput() override;
  void CloseOutput() override;
  bool OpenMixer() override;
  void CloseMixer() override;
  bool GetVolume(MixerLine line, VolumeControl& control) override;
  bool SetVolume(MixerLine line, const std::vector<long>& values) override;
  bool SetMute(MixerLine line, bool mute) override;
  std::string LastError() const override;

 private:
  struct Device {
    bool open = false;
    bool running = false;
    WaveFormat format;
    DoneCallback done;
    std::deque<WaveHeader*> queue;
    uint32_t pos = 0;  // frames done in queue.front()
  };
  struct Line {
    long volume[2] = {kVolumeMaximum, kVolumeMaximum};
    bool muted = false;
  };
  using Finished = std::vector<std::pair<DoneCallback, WaveHeader*>>;

  void Loop();
  bool ReadyLocked() const;
  bool FastLocked() const;
  int StepLocked(int maxFrames, Finished& finished);
  void Deliver(Finished& finished);
  void ResetDevice(Device& device, bool input);
  double Gain(MixerLine source, MixerLine gate, int channel) const;

  const bool realTime_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::mutex deliverMutex_;  // held while done callbacks run
  Device in_, out_;
  Line lines_[7];
  bool mixerOpen_ = false;
  bool quit_ = false;
  std::string failure_;
  uint64_t frames_ = 0;
  std::shared_ptr<LoopbackPath> loopback_;
  std::shared_ptr<BenchPath> path_;
  std::vector<double> work_[4];
  std::thread thread_;
};

}  // namespace vt::measure
