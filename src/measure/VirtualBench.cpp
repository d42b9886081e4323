#include "measure/VirtualBench.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace vt::measure {

namespace {
constexpr int kFastChunk = 4096;  // frames per step when running as fast as consumed
constexpr int kTickMs = 10;       // real-time pacing

int16_t ToAdc(double v) {
  const double r = std::nearbyint(v);
  if (r >= 32767) return 32767;
  if (r <= -32768) return -32768;
  return static_cast<int16_t>(r);
}
}  // namespace

// ---- LoopbackPath ----------------------------------------------------------------

LoopbackPath::LoopbackPath(unsigned seed) : random_(seed) {}

void LoopbackPath::SetChannel(int channel, ChannelPath path) {
  std::lock_guard lock(mutex_);
  State& s = channels_[channel & 1];
  s.path = std::move(path);
  s.delayLine.assign(static_cast<size_t>(std::max(0, s.path.delay)), 0.0);
  s.delayPos = 0;
  s.firHistory.assign(s.path.fir.size(), 0.0);
}

void LoopbackPath::Run(const double* const out[2], double* const in[2], int frames, int rate) {
  std::lock_guard lock(mutex_);
  for (int c = 0; c < 2; ++c) {
    State& s = channels_[c];
    const size_t taps = s.path.fir.size();
    for (int i = 0; i < frames; ++i) {
      double x = out[c][i] * s.path.gain;
      if (!s.delayLine.empty()) {
        std::swap(x, s.delayLine[s.delayPos]);
        s.delayPos = (s.delayPos + 1) % s.delayLine.size();
      }
      if (taps > 0) {
        std::copy_backward(s.firHistory.begin(), s.firHistory.end() - 1, s.firHistory.end());
        s.firHistory[0] = x;
        double y = 0;
        for (size_t k = 0; k < taps; ++k) y += s.path.fir[k] * s.firHistory[k];
        x = y;
      }
      if (s.path.noiseRms > 0) x += s.path.noiseRms * normal_(random_);
      in[c][i] = x;
    }
  }
}

// ---- VirtualBench: devices ----------------------------------------------------------

VirtualBench::VirtualBench(bool realTime)
    : realTime_(realTime), loopback_(std::make_shared<LoopbackPath>()), path_(loopback_) {
  for (auto& w : work_) w.resize(kFastChunk);
  thread_ = std::thread([this] { Loop(); });
}

VirtualBench::~VirtualBench() {
  CloseInput();
  CloseOutput();
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void VirtualBench::SetPath(std::shared_ptr<BenchPath> path) {
  std::lock_guard lock(mutex_);
  path_ = path ? std::move(path) : loopback_;
}

std::shared_ptr<BenchPath> VirtualBench::Path() const {
  std::lock_guard lock(mutex_);
  return path_;
}

uint64_t VirtualBench::FramesRun() const {
  std::lock_guard lock(mutex_);
  return frames_;
}

void VirtualBench::SimulateFailure(const std::string& error) {
  bool streaming;
  {
    std::lock_guard lock(mutex_);
    failure_ = error;
    streaming = in_.open || out_.open;
  }
  wake_.notify_all();
  if (streaming && !error.empty()) DeviceFailed(error);
}

std::string VirtualBench::LastError() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

bool VirtualBench::OpenInput(const WaveFormat& format, DoneCallback done) {
  std::lock_guard lock(mutex_);
  if (in_.open || !failure_.empty() || format.channels < 1 || format.channels > 2) return false;
  in_ = Device{};
  in_.open = true;
  in_.format = format;
  in_.done = std::move(done);
  return true;
}

bool VirtualBench::AddInputBuffer(WaveHeader* header) {
  {
    std::lock_guard lock(mutex_);
    if (!in_.open || !header) return false;
    header->bytesRecorded = 0;
    in_.queue.push_back(header);
  }
  wake_.notify_all();
  return true;
}

bool VirtualBench::StartInput() {
  {
    std::lock_guard lock(mutex_);
    if (!in_.open) return false;
    in_.running = true;
  }
  wake_.notify_all();
  return true;
}

bool VirtualBench::OpenOutput(const WaveFormat& format, DoneCallback done) {
  std::lock_guard lock(mutex_);
  if (out_.open || !failure_.empty() || format.channels < 1 || format.channels > 2) return false;
  out_ = Device{};
  out_.open = true;
  out_.format = format;
  out_.done = std::move(done);
  return true;
}

bool VirtualBench::WriteOutput(WaveHeader* header) {
  {
    std::lock_guard lock(mutex_);
    if (!out_.open || !header) return false;
    out_.queue.push_back(header);
    out_.running = true;
  }
  wake_.notify_all();
  return true;
}

// GUI thread. Returns every queued buffer through the device's callback.
void VirtualBench::ResetDevice(Device& device, bool input) {
  Finished finished;
  std::unique_lock lock(mutex_);
  device.running = false;
  const uint32_t frameBytes = device.format.channels * 2u;
  bool first = true;
  for (WaveHeader* h : device.queue) {
    if (input) h->bytesRecorded = first ? device.pos * frameBytes : 0;
    finished.emplace_back(device.done, h);
    first = false;
  }
  device.queue.clear();
  device.pos = 0;
  std::unique_lock deliver(deliverMutex_);
  lock.unlock();
  for (auto& [done, header] : finished)
    if (done) done(header);
}

void VirtualBench::ResetInput() { ResetDevice(in_, true); }
void VirtualBench::ResetOutput() { ResetDevice(out_, false); }

void VirtualBench::CloseInput() {
  ResetDevice(in_, true);
  {
    std::lock_guard lock(mutex_);
    in_.open = false;
  }
  std::lock_guard wait(deliverMutex_);  // a delivery already under way ends first
}

void VirtualBench::CloseOutput() {
  ResetDevice(out_, false);
  {
    std::lock_guard lock(mutex_);
    out_.open = false;
  }
  std::lock_guard wait(deliverMutex_);
}

// ---- VirtualBench: mixer --------------------------------------------------------------

bool VirtualBench::OpenMixer() {
  std::lock_guard lock(mutex_);
  mixerOpen_ = true;
  return true;
}

void VirtualBench::CloseMixer() {
  std::lock_guard lock(mutex_);
  mixerOpen_ = false;
}

bool VirtualBench::GetVolume(MixerLine line, VolumeControl& control) {
  std::lock_guard lock(mutex_);
  if (!mixerOpen_) return false;
  const Line& l = lines_[static_cast<int>(line)];
  control.maximum = kVolumeMaximum;
  control.values.assign(l.volume, l.volume + 2);
  return true;
}

bool VirtualBench::SetVolume(MixerLine line, const std::vector<long>& values) {
  std::lock_guard lock(mutex_);
  if (!mixerOpen_) return false;
  Line& l = lines_[static_cast<int>(line)];
  for (size_t c = 0; c < 2 && c < values.size(); ++c)
    l.volume[c] = std::clamp(values[c], 0L, kVolumeMaximum);
  return true;
}

bool VirtualBench::SetMute(MixerLine line, bool mute) {
  std::lock_guard lock(mutex_);
  if (!mixerOpen_) return false;
  lines_[static_cast<int>(line)].muted = mute;
  return true;
}

// The volume of `source` scales linearly; `gate` only mutes.
double VirtualBench::Gain(MixerLine source, MixerLine gate, int channel) const {
  const Line& ls = lines_[static_cast<int>(source)];
  if (ls.muted || lines_[static_cast<int>(gate)].muted) return 0.0;
  return static_cast<double>(ls.volume[channel]) / kVolumeMaximum;
}

// ---- VirtualBench: the card's clock ---------------------------------------------------

// Fast mode waits for buffers in both directions. An output that is open but
// not playing yet (or any more) gives silence at the real-time pace, so that
// recording does not race ahead of playback.
bool VirtualBench::FastLocked() const { return !realTime_ && (!out_.open || out_.running); }

bool VirtualBench::ReadyLocked() const {
  if (!failure_.empty() || (!out_.running && !in_.running)) return false;
  if (!FastLocked()) return true;
  return (!out_.running || !out_.queue.empty()) && (!in_.running || !in_.queue.empty());
}

// Bench thread, mutex_ held. Moves up to `maxFrames` frames from the output
// buffer in play (silence without one) to the input buffer being filled (lost
// without one); stops early at the end of either buffer.
int VirtualBench::StepLocked(int maxFrames, Finished& finished) {
  int n = std::min(maxFrames, kFastChunk);
  WaveHeader* o = out_.running && !out_.queue.empty() ? out_.queue.front() : nullptr;
  WaveHeader* i = in_.running && !in_.queue.empty() ? in_.queue.front() : nullptr;
  const uint32_t oc = out_.format.channels, ic = in_.format.channels;
  if (o) n = std::min<int>(n, static_cast<int>(o->bufferLength / (2 * oc) - out_.pos));
  if (i) n = std::min<int>(n, static_cast<int>(i->bufferLength / (2 * ic) - in_.pos));
  if (n <= 0) n = 0;

  double* play[2] = {work_[0].data(), work_[1].data()};
  double* rec[2] = {work_[2].data(), work_[3].data()};
  const double g0 = Gain(MixerLine::WaveOutSource, MixerLine::Speakers, 0);
  const double g1 = Gain(MixerLine::WaveOutSource, MixerLine::Speakers, 1);
  for (int f = 0; f < n; ++f) {
    if (o) {
      const int16_t* src = o->data + (out_.pos + static_cast<uint32_t>(f)) * oc;
      play[0][f] = src[0] * g0;
      play[1][f] = src[oc - 1] * g1;
    } else {
      play[0][f] = play[1][f] = 0.0;
    }
  }
  const int rate = static_cast<int>(out_.open ? out_.format.samplesPerSec : in_.format.samplesPerSec);
  if (n > 0) path_->Run(play, rec, n, rate);
  if (i) {
    const double r0 = Gain(MixerLine::WaveInDestination, MixerLine::WaveInDestination, 0);
    const double r1 = Gain(MixerLine::WaveInDestination, MixerLine::WaveInDestination, 1);
    int16_t* dst = i->data + in_.pos * ic;
    for (int f = 0; f < n; ++f) {
      dst[f * static_cast<int>(ic)] = ToAdc(rec[0][f] * r0);
      if (ic == 2) dst[f * 2 + 1] = ToAdc(rec[1][f] * r1);
    }
  }
  frames_ += static_cast<uint64_t>(n);
  // A buffer is done after its whole frames: a trailing part of a frame (an odd
  // length in stereo) is never played or recorded, as on a card.
  if (o && (out_.pos += static_cast<uint32_t>(n)) >= o->bufferLength / (2 * oc)) {
    out_.queue.pop_front();
    out_.pos = 0;
    finished.emplace_back(out_.done, o);
  }
  if (i && (in_.pos += static_cast<uint32_t>(n)) >= i->bufferLength / (2 * ic)) {
    i->bytesRecorded = in_.pos * 2 * ic;
    in_.queue.pop_front();
    in_.pos = 0;
    finished.emplace_back(in_.done, i);
  }
  return n;
}

// Bench thread. Called with mutex_ held; runs the callbacks without it.
void VirtualBench::Deliver(Finished& finished) {
  if (finished.empty()) return;
  std::unique_lock deliver(deliverMutex_);
  mutex_.unlock();
  for (auto& [done, header] : finished)
    if (done) done(header);
  finished.clear();
  deliver.unlock();
  mutex_.lock();
}

// Bench thread.
void VirtualBench::Loop() {
  using Clock = std::chrono::steady_clock;
  Finished finished;
  finished.reserve(8);
  std::unique_lock lock(mutex_);
  auto next = Clock::now();
  while (!quit_) {
    if (!ReadyLocked()) {
      wake_.wait(lock, [this] { return quit_ || ReadyLocked(); });
      next = Clock::now();
      continue;
    }
    if (FastLocked()) {
      StepLocked(kFastChunk, finished);
      Deliver(finished);
      next = Clock::now();
      continue;
    }
    const int rate = static_cast<int>(out_.open ? out_.format.samplesPerSec : in_.format.samplesPerSec);
    int tick = std::max(1, rate * kTickMs / 1000);
    while (tick > 0 && ReadyLocked() && !FastLocked()) {
      int n = StepLocked(tick, finished);
      if (n == 0) n = tick;  // zero-length buffer: let time pass anyway
      tick -= n;
      Deliver(finished);
    }
    next += std::chrono::milliseconds(kTickMs);
    const auto now = Clock::now();
    if (now - next > std::chrono::milliseconds(100)) next = now;  // fell behind: no burst
    wake_.wait_until(lock, next, [this] { return quit_; });
  }
}

}  // namespace vt::measure
