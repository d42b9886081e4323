// By-6 rate converters between the port rate and the working rate.
#pragma once

#include <array>
#include <vector>

#include "measure/MeasureTool.h"

namespace vt::measure {

// Pulls count / 6 values from its generator and interpolates them to count.
class TUpSamplerBy6 : public TMeasureTool {
 public:
  explicit TUpSamplerBy6(TMeasureTool* generator);
  // Output streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  std::array<double, 240> coefficients_{};
  std::array<double, 40> past_{};
  int32_t taps_ = 0;
  std::vector<int16_t> scratch_;
};

// Filters and keeps every sixth value; the analyzer gets count / 6 values.
// Per call the channel's length must be a multiple of 6.
class TDownSamplerBy6 : public TMeasureTool {
 public:
  explicit TDownSamplerBy6(TMeasureTool* analyzer);
  // GUI thread: switch to another analyzer (and its lock), filter history cleared.
  void SetChild(TMeasureTool* analyzer);
  // Input streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  void LoadFilter();
  std::array<double, 240> coefficients_{};
  // The 240 past inputs, newest first, as a window into a mirrored ring:
  // past[i] = history_[pos_ + i].
  std::array<double, 480> history_{};
  size_t pos_ = 0;
  int32_t taps_ = 0;
  std::vector<int16_t> scratch_;
};

}  // namespace vt::measure
