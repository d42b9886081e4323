// By-6 rate converters between the port rate and the working rate.
#pragma once

#include <array>
#include <vector>

#include "measure/MeasureTool.h"

namespace vt::measure {

// Interpolates its generator's working-rate stream by 6: the stream
// zero-stuffed (five zeros after each value, gain 6) through the conversion
// filter, held at +-32767. Buffers of any length form one seamless stream:
// each call pulls just the inputs its values need and writes every value of
// its channel.
class TUpSamplerBy6 : public TMeasureTool {
 public:
  explicit TUpSamplerBy6(TMeasureTool* generator);
  // Output streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  std::array<double, 240> coefficients_{};
  // Earlier inputs times 6, newest first: past_[k - 1] meets h[p + 6k].
  std::array<double, 40> past_{};
  double current_ = 0;  // the input being interpolated, times 6
  int phase_ = 0;       // its next output phase; 0: a new input is due
  int32_t taps_ = 0;
  std::vector<int16_t> scratch_;
};

// Filters and keeps every sixth value of its channel; the analyzer gets the
// values produced, one stream across buffers of any length.
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
  int phase_ = 0;  // inputs since the last output
  int32_t taps_ = 0;
  std::vector<int16_t> scratch_;
};

}  // namespace vt::measure
