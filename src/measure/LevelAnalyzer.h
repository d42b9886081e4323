// Peak and rms of one channel since the last Reset.
#pragma once

#include "measure/MeasureTool.h"

namespace vt::measure {

class TLevelAnalyzer : public TMeasureTool {
 public:
  TLevelAnalyzer() : TMeasureTool("LevelAnalyzer") {}
  // GUI thread: forget everything, re-arm the synchro.
  void Reset();
  // GUI thread. Either output may be null. rms is the root of the mean of the
  // per-buffer mean squares, 0 before the first buffer.
  void GetLevel(int16_t* peak, double* rms) const;
  // Input streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  int16_t peak_ = 0;
  double sum_ = 0;
  int32_t buffers_ = 0;
};

}  // namespace vt::measure
