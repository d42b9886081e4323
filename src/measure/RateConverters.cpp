#include "measure/RateConverters.h"

#include <algorithm>

#include "measure/ConversionFilter.h"

namespace vt::measure {

namespace {
constexpr size_t kRing = 240;

template <size_t N>
void LoadConversion(std::array<double, 240>& c, std::array<double, N>& past, int32_t& taps) {
  c.fill(0);
  past.fill(0);
  const auto& h = ConversionFilter();
  std::copy(h.begin(), h.end(), c.begin());
  taps = kConversionTaps;
}
}  // namespace

// ---- TUpSamplerBy6 --------------------------------------------------------------

TUpSamplerBy6::TUpSamplerBy6(TMeasureTool* generator) : TMeasureTool("UpSamplerBy6", generator) {
  LoadConversion(coefficients_, past_, taps_);
}

Event* TUpSamplerBy6::Process(int16_t* samples, int32_t count) {
  const int stride = Stride();
  const int32_t values = count > 0 ? (count + stride - 1) / stride : 0;
  // Inputs this call needs: the current one covers its remaining phases.
  const int32_t carried = phase_ == 0 ? 0 : 6 - phase_;
  const int32_t inputs = values > carried ? (values - carried + 5) / 6 : 0;
  const int32_t m = inputs * stride;
  if (scratch_.size() < static_cast<size_t>(m)) scratch_.resize(static_cast<size_t>(m));
  std::fill_n(scratch_.begin(), m, int16_t{0});
  Event* childEvent = children[0] ? children[0]->Process(scratch_.data(), m) : nullptr;
  const size_t history = static_cast<size_t>(std::max(0, (taps_ - 1) / 6));
  size_t j = 0;
  for (int32_t o = 0; o < count; o += stride) {
    if (phase_ == 0) {
      if (history > 0) {
        std::copy_backward(past_.begin(), past_.begin() + static_cast<std::ptrdiff_t>(history) - 1,
                           past_.begin() + static_cast<std::ptrdiff_t>(history));
        past_[0] = current_;
      }
      current_ = 6.0 * scratch_[j];
      j += static_cast<size_t>(stride);
    }
    // The zero-stuffed stream meets h[p], h[p + 6], h[p + 12], ... in the
    // current input and the earlier ones, oldest last.
    const size_t p = static_cast<size_t>(phase_);
    double y = coefficients_[p] * current_;
    for (size_t k = 1; p + 6 * k < static_cast<size_t>(taps_); ++k) y += coefficients_[p + 6 * k] * past_[k - 1];
    samples[o] = static_cast<int16_t>(static_cast<int32_t>(std::clamp(y, -32767.0, 32767.0)));
    phase_ = phase_ == 5 ? 0 : phase_ + 1;
  }
  Event* own = SynchroProcess();
  return childEvent ? childEvent : own;
}

// ---- TDownSamplerBy6 ------------------------------------------------------------

TDownSamplerBy6::TDownSamplerBy6(TMeasureTool* analyzer)
    : TMeasureTool("DownSamplerBy6", analyzer) {
  LoadFilter();
}

void TDownSamplerBy6::LoadFilter() {
  LoadConversion(coefficients_, history_, taps_);
  pos_ = 0;
  phase_ = 0;
}

void TDownSamplerBy6::SetChild(TMeasureTool* analyzer) {
  auto lock = LockBlock(*this);
  children[0] = analyzer;
  if (analyzer) analyzer->SetFormat(sampleRate, stereo);
  LoadFilter();
  Rearm();
  // Last: once the new lock is published a streaming thread may take it and
  // run Process, which must find the filter already reloaded.
  if (analyzer) SwitchMutex(analyzer->Mutex());
}

Event* TDownSamplerBy6::Process(int16_t* samples, int32_t count) {
  const int stride = Stride();
  const int32_t values = count > 0 ? (count + stride - 1) / stride : 0;
  const int32_t m = (phase_ + values) / 6 * stride;
  if (scratch_.size() < static_cast<size_t>(m)) scratch_.resize(static_cast<size_t>(m));
  int32_t o = 0;
  for (int32_t k = 0; k < count; k += stride) {
    // Shift the history by one: the new value becomes past[0].
    pos_ = pos_ == 0 ? kRing - 1 : pos_ - 1;
    history_[pos_] = history_[pos_ + kRing] = samples[k];
    if (++phase_ == 6) {
      const double* past = &history_[pos_];
      double y = 0;
      for (int32_t i = 0; i < taps_; ++i) y += coefficients_[static_cast<size_t>(i)] * past[i];
      scratch_[static_cast<size_t>(o)] = static_cast<int16_t>(static_cast<int32_t>(y));
      o += stride;
      phase_ = 0;
    }
  }
  Event* childEvent = children[0] ? children[0]->Process(scratch_.data(), m) : nullptr;
  Event* own = SynchroProcess();
  return childEvent ? childEvent : own;
}

}  // namespace vt::measure
