#include "bench/Resampler.h"

#include "measure/ConversionFilter.h"

namespace vt::bench {

namespace {
constexpr int kFactor = 6;
constexpr size_t kTaps = measure::kConversionTaps;
constexpr size_t kInterpolatorInputs = (kTaps + kFactor - 1) / kFactor;  // 22

double Tap(size_t k) { return k < kTaps ? measure::ConversionFilter()[k] : 0.0; }
}  // namespace

double ConversionGainDb(double hz) { return measure::ConversionFilterGainDb(hz); }

Decimator6::Decimator6() : history_(kTaps, 0.0) {}

void Decimator6::Clear() {
  history_.assign(kTaps, 0.0);
  pos_ = 0;
  phase_ = 0;
}

bool Decimator6::Push(double x, double& out) {
  history_[pos_] = x;
  pos_ = (pos_ + 1) % kTaps;
  if (++phase_ < kFactor) return false;
  phase_ = 0;
  // h[0] goes with the newest value.
  double acc = 0;
  size_t j = pos_ == 0 ? kTaps - 1 : pos_ - 1;
  for (size_t k = 0; k < kTaps; ++k) {
    acc += Tap(k) * history_[j];
    j = j == 0 ? kTaps - 1 : j - 1;
  }
  out = acc;
  return true;
}

Interpolator6::Interpolator6() : history_(kInterpolatorInputs, 0.0) {}

void Interpolator6::Clear() {
  history_.assign(history_.size(), 0.0);
  pos_ = 0;
}

void Interpolator6::Push(double x, double out[6]) {
  const size_t n = history_.size();
  history_[pos_] = x;
  const size_t newest = pos_;
  pos_ = (pos_ + 1) % n;
  for (size_t p = 0; p < kFactor; ++p) {
    double acc = 0;
    size_t j = newest;
    for (size_t m = 0; m < n; ++m) {
      acc += Tap(m * kFactor + p) * history_[j];
      j = j == 0 ? n - 1 : j - 1;
    }
    out[p] = acc * kFactor;  // the five zeros between inputs cost 6 in level
  }
}

}  // namespace vt::bench
