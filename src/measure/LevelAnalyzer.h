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
  // per-buffer mean squares, 0 before the first buffer. Once the synchro has
  // fired since the last Reset, the level is that of the buffers it counted,
  // up to its latest event: a card faster than real time (the virtual bench
  // in fast mode) has more buffers in by the time the GUI thread reads, and a
  // reading must not depend on how long that took.
  void GetLevel(int16_t* peak, double* rms) const;
  // Input streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  struct Level {
    int16_t peak = 0;
    double sum = 0;
    int32_t buffers = 0;
  };
  Level live_;
  Level atEvent_;
  bool eventSeen_ = false;
};

}  // namespace vt::measure
