#include "measure/LevelAnalyzer.h"

#include <cmath>
#include <cstdlib>

namespace vt::measure {

void TLevelAnalyzer::Reset() {
  auto lock = LockBlock(*this);
  live_ = {};
  eventSeen_ = false;
  Rearm();
}

void TLevelAnalyzer::GetLevel(int16_t* peak, double* rms) const {
  auto lock = LockBlock(*this);
  const Level& l = eventSeen_ ? atEvent_ : live_;
  if (peak) *peak = l.peak;
  if (rms) *rms = l.buffers > 0 ? std::sqrt(l.sum / l.buffers) : 0.0;
}

Event* TLevelAnalyzer::Process(int16_t* samples, int32_t count) {
  if (count > 0) {
    const int stride = Stride();
    int32_t peak = live_.peak;
    double s = 0;
    for (int32_t i = 0; i < count; i += stride) {
      const int32_t x = samples[i];
      const int32_t mag = x < 0 ? -x : x;
      if (mag > peak) peak = mag;
      s += static_cast<double>(x) * x;
    }
    live_.peak = static_cast<int16_t>(peak > 32767 ? 32767 : peak);
    live_.sum += stride * s / count;
    ++live_.buffers;
  }
  Event* event = SynchroProcess();
  if (event) {
    atEvent_ = live_;
    eventSeen_ = true;
  }
  return event;
}

}  // namespace vt::measure
