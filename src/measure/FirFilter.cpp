#include "measure/FirFilter.h"

#include <algorithm>

namespace vt::measure {

void TFirFilter::SetCoefficients(const double* values, int32_t n) {
  auto lock = LockBlock(*this);
  n = std::clamp(n, 0, kMaxFirTaps);
  for (int32_t k = 0; k < n; ++k) {
    coefficients_[static_cast<size_t>(k)] = values[k];
    delay_[static_cast<size_t>(k)] = 0;
  }
  taps_ = n;
  Rearm();
}

void TFirFilter::SetEnabled(bool enabled) {
  auto lock = LockBlock(*this);
  enabled_ = enabled;
  Rearm();
}

double TFirFilter::Filter(int16_t x) {
  double y = x;
  if (enabled_) {
    y = coefficients_[0] * x;
    for (int32_t k = 1; k < taps_; ++k) y += coefficients_[static_cast<size_t>(k)] * delay_[static_cast<size_t>(k)];
    delay_[0] = x;
    for (int32_t k = taps_ - 1; k >= 1; --k)
      delay_[static_cast<size_t>(k)] = delay_[static_cast<size_t>(k - 1)];
  }
  if (y >= 32767) return 32767;
  if (y < -32767) return -32767;
  return y;
}

Event* TFirFilter::Process(int16_t* samples, int32_t count) {
  if (count <= 0) return SynchroProcess();
  if (scratch_.size() < static_cast<size_t>(count)) scratch_.resize(static_cast<size_t>(count));
  const int stride = Stride();
  TMeasureTool* child = children[0];
  Event* childEvent = nullptr;
  if (generatorMode) {
    if (child) childEvent = child->Process(scratch_.data(), count);
    for (int32_t i = 0; i < count; i += stride)
      samples[i] = static_cast<int16_t>(static_cast<int32_t>(Filter(scratch_[static_cast<size_t>(i)])));
  } else {
    for (int32_t i = 0; i < count; i += stride)
      scratch_[static_cast<size_t>(i)] = static_cast<int16_t>(static_cast<int32_t>(Filter(samples[i])));
    if (child) childEvent = child->Process(scratch_.data(), count);
  }
  Event* own = SynchroProcess();
  return childEvent ? childEvent : own;
}

}  // namespace vt::measure
