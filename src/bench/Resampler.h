// The sound-card side of the bench runs at 48000 Hz, the call (tester codec
// and handset) at 8000 Hz, as a real narrowband call does. These convert by 6
// with the conversion low-pass of the measurement's own rate converters
// (measure/ConversionFilter.h), in double precision: the call's band ends as
// it does through those converters (-0.25 dB at 3 kHz, -6 dB at 3.6 kHz).
#pragma once

#include <cstddef>
#include <vector>

namespace vt::bench {

class Decimator6 {
 public:
  Decimator6();
  // Takes one 48 kHz value; true when it completes an 8 kHz value `out`.
  bool Push(double x, double& out);
  void Clear();

 private:
  std::vector<double> history_;  // the last inputs, newest at pos_ - 1, ring
  size_t pos_ = 0;
  int phase_ = 0;
};

class Interpolator6 {
 public:
  Interpolator6();
  // Takes one 8 kHz value; writes the six 48 kHz values that follow it.
  void Push(double x, double out[6]);
  void Clear();

 private:
  std::vector<double> history_;  // the last 8 kHz inputs, ring
  size_t pos_ = 0;
};

// What one conversion does to a tone at `hz`, dB.
double ConversionGainDb(double hz);

}  // namespace vt::bench
