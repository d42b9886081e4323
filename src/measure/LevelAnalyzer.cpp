#include "measure/LevelAnalyzer.h"

#include <cmath>
#include <cstdlib>

namespace vt::measure {

void TLevelAnalyzer::Reset() {
  auto lock = LockBlock(*this);
  peak_ = 0;
  sum_ = 0;
  buffers_ = 0;
  Rearm();
}

void TLevelAnalyzer::GetLevel(int16_t* peak, double* rms) const {
  auto lock = LockBlock(*this);
  if (peak) *peak = peak_;
  if (rms) *rms = buffers_ > 0 ? std::sqrt(sum_ / buffers_) : 0.0;
}

Event* TLevelAnalyzer::Process(int16_t* samples, int32_t count) {
  if (count > 0) {
    const int stride = Stride();
    int32_t peak = peak_;
    double s = 0;
    for (int32_t i = 0; i < count; i += stride) {
      const int32_t x = samples[i];
      const int32_t mag = x < 0 ? -x : x;
      if (mag > peak) peak = mag;
      s += static_cast<double>(x) * x;
    }
    peak_ = static_cast<int16_t>(peak > 32767 ? 32767 : peak);
    sum_ += stride * s / count;
    ++buffers_;
  }
  return SynchroProcess();
}

}  // namespace vt::measure
