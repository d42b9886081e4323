// Up to 256 taps in front of a generator (generator mode) or an analyzer.
#pragma once

#include <array>
#include <vector>

#include "measure/MeasureTool.h"

namespace vt::measure {

inline constexpr int kMaxFirTaps = 256;

class TFirFilter : public TMeasureTool {
 public:
  // Wraps `child` and borrows its mutex.
  explicit TFirFilter(TMeasureTool* child) : TMeasureTool("FirFilter", child) {}
  // Borrows only a mutex; the owner sets children[0].
  explicit TFirFilter(std::mutex& borrowed) : TMeasureTool("FirFilter", borrowed) {}

  // GUI thread. Copies min(n, 256) values and clears that much history.
  void SetCoefficients(const double* values, int32_t n);
  // GUI thread.
  void SetEnabled(bool enabled);
  // Set by the owner before streaming; false in front of an analyzer.
  bool generatorMode = true;

  // One value through the filter (or straight when disabled), limited to
  // -32767 .. 32767. Streaming thread, Mutex() held.
  double Filter(int16_t x);
  // Output or input streaming thread (by mode), Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  std::array<double, kMaxFirTaps> coefficients_{};
  std::array<int16_t, kMaxFirTaps> delay_{};
  int32_t taps_ = 0;
  bool enabled_ = false;
  std::vector<int16_t> scratch_;
};

}  // namespace vt::measure
