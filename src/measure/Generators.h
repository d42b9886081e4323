// Generator blocks: they write their channel's values of an output buffer at
// the block's rate / 6 working rate (the up-sampler in front brings them to
// the port rate).
#pragma once

#include <random>
#include <vector>

#include "measure/MeasureTool.h"

namespace vt::measure {

inline constexpr double kTwoPi = 6.283185307179586476925286766559;

// Phase increment per working-rate sample for a tone at `hertz`: the port rate
// is divided by 6 as integers.
double WorkingRateIncrement(double hertz, int32_t portRate);

class TSineGenerator : public TMeasureTool {
 public:
  TSineGenerator() : TMeasureTool("SineGenerator") {}
  // GUI thread. Keeps the phase.
  void SetFrequency(double hertz);
  // GUI thread.
  void SetAmplitude(int16_t amplitude);
  // GUI thread.
  double PhaseIncrement() const;
  // Output streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  double increment_ = 0;
  double phase_ = 0;
  int16_t amplitude_ = 0;
};

class TMultiSineGenerator : public TMeasureTool {
 public:
  TMultiSineGenerator();
  // GUI thread. `count` tones from `first` Hz, each the previous times `step`
  // (multiplicative) or plus `step`; random start phases 0 .. 2.99 rad.
  void SetTones(int32_t count, bool multiplicative, double step, double first);
  // GUI thread.
  void SetAmplitude(double amplitude);
  // GUI thread: the tones' increments and start phases, for inspection.
  std::vector<double> Increments() const;
  std::vector<double> Phases() const;
  // Output streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  std::vector<double> increments_;
  std::vector<double> phases_;
  double amplitude_ = 0;
  std::mt19937 random_;
};

// Wraps a generator and shapes its output with a sine envelope running from
// 1 - 2A to 1 (depth 100 %: 0 to 1). Starts at depth 0, i.e. transparent.
class TAmplitudeModulation : public TMeasureTool {
 public:
  explicit TAmplitudeModulation(TMeasureTool* generator)
      : TMeasureTool("AmplitudeModulation", generator) {}
  // GUI thread. Restarts the envelope at its minimum.
  void SetFrequency(double hertz);
  // GUI thread. Depth in percent.
  void SetDepth(double percent);
  // Output streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  double increment_ = 0;
  double phase_ = 4.71238898038469;
  double a_ = 0;
  double b_ = 1;
  std::vector<int16_t> scratch_;
};

}  // namespace vt::measure
