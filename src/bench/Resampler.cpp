#include "bench/Resampler.h"

#include <cmath>
#include <numbers>

namespace vt::bench {

namespace {
constexpr int kFactor = 6;
constexpr int kTaps = 6 * 61;  // 366 taps at 48 kHz, 61 per phase
constexpr double kRate = 48000;

double BesselI0(double x) {
  double sum = 1, term = 1;
  for (int k = 1; k < 50; ++k) {
    term *= (x / (2 * k)) * (x / (2 * k));
    sum += term;
  }
  return sum;
}

// Kaiser-windowed sinc, cut-off 4000 Hz, unity gain at 0 Hz.
const std::vector<double>& Taps() {
  static const std::vector<double> taps = [] {
    std::vector<double> h(kTaps);
    const double beta = 5.65, fc = 4000 / kRate, mid = (kTaps - 1) / 2.0;
    double sum = 0;
    for (int k = 0; k < kTaps; ++k) {
      const double t = k - mid;
      const double sinc = 2 * fc * (t == 0 ? 1 : std::sin(2 * std::numbers::pi * fc * t) / (2 * std::numbers::pi * fc * t));
      const double r = t / mid;
      h[static_cast<size_t>(k)] = sinc * BesselI0(beta * std::sqrt(1 - r * r)) / BesselI0(beta);
      sum += h[static_cast<size_t>(k)];
    }
    for (double& v : h) v /= sum;
    return h;
  }();
  return taps;
}
}  // namespace

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
  // pos_ now indexes the oldest value; h[0] goes with the newest.
  const std::vector<double>& h = Taps();
  double acc = 0;
  size_t j = pos_ == 0 ? kTaps - 1 : pos_ - 1;
  for (int k = 0; k < kTaps; ++k) {
    acc += h[static_cast<size_t>(k)] * history_[j];
    j = j == 0 ? kTaps - 1 : j - 1;
  }
  out = acc;
  return true;
}

Interpolator6::Interpolator6() : history_(kTaps / kFactor, 0.0) {}

void Interpolator6::Clear() {
  history_.assign(history_.size(), 0.0);
  pos_ = 0;
}

void Interpolator6::Push(double x, double out[6]) {
  const std::vector<double>& h = Taps();
  const size_t n = history_.size();
  history_[pos_] = x;
  const size_t newest = pos_;
  pos_ = (pos_ + 1) % n;
  for (int p = 0; p < kFactor; ++p) {
    double acc = 0;
    size_t j = newest;
    for (size_t m = 0; m < n; ++m) {
      acc += h[m * kFactor + static_cast<size_t>(p)] * history_[j];
      j = j == 0 ? n - 1 : j - 1;
    }
    out[p] = acc * kFactor;
  }
}

}  // namespace vt::bench
