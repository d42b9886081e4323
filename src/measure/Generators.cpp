#include "measure/Generators.h"

#include <chrono>
#include <cmath>

namespace vt::measure {

namespace {
// Double to int16 as stored by the generators: toward zero, no clipping.
inline int16_t ToSample(double v) { return static_cast<int16_t>(static_cast<int32_t>(v)); }
}  // namespace

double WorkingRateIncrement(double hertz, int32_t portRate) {
  return kTwoPi * hertz / static_cast<double>(portRate / 6);
}

// ---- TSineGenerator -------------------------------------------------------------

void TSineGenerator::SetFrequency(double hertz) {
  auto lock = LockBlock(*this);
  increment_ = WorkingRateIncrement(hertz, sampleRate);
  Rearm();
}

void TSineGenerator::SetAmplitude(int16_t amplitude) {
  auto lock = LockBlock(*this);
  amplitude_ = amplitude;
  Rearm();
}

double TSineGenerator::PhaseIncrement() const {
  auto lock = LockBlock(*this);
  return increment_;
}

Event* TSineGenerator::Process(int16_t* samples, int32_t count) {
  const int stride = Stride();
  for (int32_t i = 0; i < count; i += stride) {
    const double s = std::sin(phase_);
    phase_ += increment_;
    if (phase_ >= kTwoPi) phase_ -= kTwoPi;
    samples[i] = ToSample(amplitude_ * s);
  }
  return SynchroProcess();
}

// ---- TMultiSineGenerator -----------------------------------------------------------

TMultiSineGenerator::TMultiSineGenerator() : TMeasureTool("MultiSineGenerator") {}

void TMultiSineGenerator::SetTones(int32_t count, bool multiplicative, double step, double first) {
  auto lock = LockBlock(*this);
  random_.seed(static_cast<std::mt19937::result_type>(
      std::chrono::system_clock::now().time_since_epoch().count()));
  const size_t n = count > 0 ? static_cast<size_t>(count) : 0;
  increments_.assign(n, 0.0);
  phases_.assign(n, 0.0);
  double f = first;
  for (size_t k = 0; k < n; ++k) {
    increments_[k] = WorkingRateIncrement(f, sampleRate);
    phases_[k] = static_cast<double>(random_() % 300) * 0.01;
    f = multiplicative ? f * step : f + step;
  }
  Rearm();
}

void TMultiSineGenerator::SetAmplitude(double amplitude) {
  auto lock = LockBlock(*this);
  amplitude_ = amplitude;
  Rearm();
}

std::vector<double> TMultiSineGenerator::Increments() const {
  auto lock = LockBlock(*this);
  return increments_;
}

std::vector<double> TMultiSineGenerator::Phases() const {
  auto lock = LockBlock(*this);
  return phases_;
}

Event* TMultiSineGenerator::Process(int16_t* samples, int32_t count) {
  const int stride = Stride();
  const size_t tones = increments_.size();
  for (int32_t i = 0; i < count; i += stride) {
    double sum = 0;
    for (size_t k = 0; k < tones; ++k) {
      sum += std::sin(phases_[k]);
      phases_[k] += increments_[k];
      if (phases_[k] >= kTwoPi) phases_[k] -= kTwoPi;
    }
    samples[i] = ToSample(amplitude_ * sum);
  }
  return SynchroProcess();
}

// ---- TAmplitudeModulation ------------------------------------------------------------

void TAmplitudeModulation::SetFrequency(double hertz) {
  auto lock = LockBlock(*this);
  increment_ = WorkingRateIncrement(hertz, sampleRate);
  phase_ = 4.71238898038469;
  Rearm();
}

void TAmplitudeModulation::SetDepth(double percent) {
  auto lock = LockBlock(*this);
  a_ = 0.005 * percent;
  b_ = 1.0 - a_;
  Rearm();
}

Event* TAmplitudeModulation::Process(int16_t* samples, int32_t count) {
  if (count <= 0) return SynchroProcess();
  if (scratch_.size() < static_cast<size_t>(count)) scratch_.resize(static_cast<size_t>(count));
  Event* childEvent = children[0] ? children[0]->Process(scratch_.data(), count) : nullptr;
  const int stride = Stride();
  for (int32_t i = 0; i < count; i += stride) {
    const double m = std::sin(phase_);
    phase_ += increment_;
    if (phase_ >= kTwoPi) phase_ -= kTwoPi;
    samples[i] = ToSample((a_ * m + b_) * scratch_[static_cast<size_t>(i)]);
  }
  Event* own = SynchroProcess();
  return childEvent ? childEvent : own;
}

}  // namespace vt::measure
