#include "measure/WaveBlocks.h"

#include <algorithm>
#include <cmath>

namespace vt::measure {

namespace {
double GainOf(double db) { return std::pow(10.0, 0.05 * db); }

// v held to +-32767 and truncated toward zero.
int16_t Limited(double v) { return static_cast<int16_t>(std::clamp(v, -32767.0, 32767.0)); }
}  // namespace

// ---- TWavePlayer ----------------------------------------------------------------

bool TWavePlayer::Open(const std::string& path) {
  auto lock = LockBlock(*this);
  file_.Close();
  error_.clear();
  const uint32_t rate = static_cast<uint32_t>(sampleRate / 6);
  if (!file_.OpenRead(path)) {
    error_ = file_.Error();
  } else if (file_.BitsPerSample() != 16) {
    error_ = "\"" + path + "\" has " + std::to_string(file_.BitsPerSample()) +
             "-bit samples; only 16-bit files can be played";
  } else if (file_.SampleRate() != rate) {
    error_ = "\"" + path + "\" is sampled at " + std::to_string(file_.SampleRate()) +
             " Hz; it must be " + std::to_string(rate) + " Hz to be played";
  }
  if (!error_.empty()) file_.Close();
  Rearm();
  return error_.empty();
}

void TWavePlayer::SetLoop(bool loop) {
  auto lock = LockBlock(*this);
  file_.SetLoop(loop);
  Rearm();
}

void TWavePlayer::SetPause(bool pause) {
  auto lock = LockBlock(*this);
  pause_ = pause;
  Rearm();
}

void TWavePlayer::SetGainDb(double db) {
  auto lock = LockBlock(*this);
  gain_ = GainOf(db);
  Rearm();
}

void TWavePlayer::Rewind() {
  auto lock = LockBlock(*this);
  file_.Rewind();
  Rearm();
}

void TWavePlayer::Close() {
  auto lock = LockBlock(*this);
  file_.Close();
  Rearm();
}

bool TWavePlayer::EndReached() const {
  auto lock = LockBlock(*this);
  return file_.EndReached();
}

std::string TWavePlayer::Error() const {
  auto lock = LockBlock(*this);
  return error_;
}

Event* TWavePlayer::Process(int16_t* samples, int32_t count) {
  const int stride = Stride();
  const int32_t values = count > 0 ? (count + stride - 1) / stride : 0;
  const bool playing = !pause_ && file_.Reading();
  scratch_.resize(static_cast<size_t>(values));
  if (playing) file_.Read(values, scratch_.data(), nullptr);
  for (int32_t k = 0; k < values; ++k)
    samples[k * stride] = playing ? Limited(scratch_[static_cast<size_t>(k)] * gain_) : int16_t{0};
  return SynchroProcess();
}

// ---- TWaveRecorder ---------------------------------------------------------------

bool TWaveRecorder::Start(const std::string& path) {
  auto lock = LockBlock(*this);
  file_.Close();
  const bool ok = file_.OpenWrite(path, 1, sampleRate / 6, 16);
  error_ = file_.Error();
  Rearm();
  return ok;
}

void TWaveRecorder::SetPause(bool pause) {
  auto lock = LockBlock(*this);
  pause_ = pause;
  Rearm();
}

void TWaveRecorder::SetGainDb(double db) {
  auto lock = LockBlock(*this);
  gain_ = GainOf(db);
  Rearm();
}

void TWaveRecorder::Stop() {
  auto lock = LockBlock(*this);
  file_.Close();
  Rearm();
}

int32_t TWaveRecorder::TakePeak() {
  auto lock = LockBlock(*this);
  const int32_t peak = peak_;
  peak_ = 0;
  Rearm();
  return peak;
}

std::string TWaveRecorder::Error() const {
  auto lock = LockBlock(*this);
  return error_.empty() ? file_.Error() : error_;
}

Event* TWaveRecorder::Process(int16_t* samples, int32_t count) {
  const int stride = Stride();
  scratch_.clear();
  for (int32_t i = 0; i < count; i += stride) {
    const double v = samples[i] * gain_;
    peak_ = std::max(peak_, static_cast<int32_t>(std::min(std::fabs(v), 2147483647.0)));
    if (!pause_) scratch_.push_back(Limited(v));
  }
  if (!scratch_.empty()) file_.Write(static_cast<int32_t>(scratch_.size()), scratch_.data(), nullptr);
  return SynchroProcess();
}

}  // namespace vt::measure
