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
  const int32_t m = count / 6;
  if (scratch_.size() < static_cast<size_t>(m)) scratch_.resize(static_cast<size_t>(m));
  Event* childEvent = (children[0] && m > 0) ? children[0]->Process(scratch_.data(), m) : nullptr;
  const int stride = Stride();
  int32_t o = 0;
  for (int32_t j = 0; j < m; j += stride) {
    const double x = scratch_[static_cast<size_t>(j)];
    for (int p = 0; p < 6; ++p) {
      // The current input meets h[p]; past[1], past[2], ... meet h[p + 6], h[p + 12], ...
      double y = 6.0 * coefficients_[static_cast<size_t>(p)] * x;
      for (int i = 1; p + 6 * i < taps_; ++i)
        y += coefficients_[static_cast<size_t>(p + 6 * i)] * past_[static_cast<size_t>(i)];
      // When the channel's share of count is not a multiple of 6 the last
      // input has fewer than six slots left: nothing is written past count.
      if (o < count) samples[o] = static_cast<int16_t>(static_cast<int32_t>(y));
      o += stride;
    }
    for (size_t i = past_.size() - 1; i >= 1; --i) past_[i] = past_[i - 1];
    past_[0] = 6.0 * x;
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
  const int32_t m = count / 6;
  if (scratch_.size() < static_cast<size_t>(m)) scratch_.resize(static_cast<size_t>(m));
  const int stride = Stride();
  int32_t o = 0;
  int phase = 0;
  for (int32_t k = 0; k < count; k += stride) {
    // Shift the history by one: the new value becomes past[0].
    pos_ = pos_ == 0 ? kRing - 1 : pos_ - 1;
    history_[pos_] = history_[pos_ + kRing] = samples[k];
    if (++phase == 6) {
      const double* past = &history_[pos_];
      double y = 0;
      for (int32_t i = 0; i < taps_; ++i) y += coefficients_[static_cast<size_t>(i)] * past[i];
      if (o < m) scratch_[static_cast<size_t>(o)] = static_cast<int16_t>(static_cast<int32_t>(y));
      o += stride;
      phase = 0;
    }
  }
  Event* childEvent = (children[0] && m > 0) ? children[0]->Process(scratch_.data(), m) : nullptr;
  Event* own = SynchroProcess();
  return childEvent ? childEvent : own;
}

}  // namespace vt::measure
