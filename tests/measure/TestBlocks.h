// Small blocks the measurement tests attach to the port: a recorder of one
// channel and a ramp generator.
#pragma once

#include <atomic>
#include <vector>

#include "measure/AudioPort.h"
#include "measure/MeasureTool.h"

namespace vt::measure::testing {

// Declared after a test's blocks: closes the port before they are destroyed,
// on every way out of the test.
struct PortGuard {
  ~PortGuard() { ClosePort(); }
};

// Keeps every value of its channel.
class TCapture : public TMeasureTool {
 public:
  TCapture() : TMeasureTool("Capture") {}
  Event* Process(int16_t* samples, int32_t count) override {
    for (int32_t i = 0; i < count; i += Stride()) values.push_back(samples[i]);
    ++calls;
    return SynchroProcess();
  }
  std::vector<int16_t> Values() const {
    auto lock = LockBlock(*this);
    return values;
  }
  std::vector<int16_t> values;
  std::atomic<int> calls{0};
};

// Writes 1, 2, 3, ... (wrapping at 30000) to its channel.
class TRamp : public TMeasureTool {
 public:
  TRamp() : TMeasureTool("Ramp") {}
  Event* Process(int16_t* samples, int32_t count) override {
    for (int32_t i = 0; i < count; i += Stride()) {
      next = next % 30000 + 1;
      samples[i] = static_cast<int16_t>(next);
    }
    ++calls;
    return SynchroProcess();
  }
  int next = 0;
  std::atomic<int> calls{0};
};

}  // namespace vt::measure::testing
