// The sound-card side of the bench runs at 48000 Hz, the call (tester codec
// and handset) at 8000 Hz, as a real narrowband call does. These convert by 6
// with a linear-phase low-pass: flat within 0.01 dB to 3600 Hz, 60 dB down
// from 4400 Hz.
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
  std::vector<double> history_;  // the last taps values, ring
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
  std::vector<double> history_;  // the last taps/6 input values, ring
  size_t pos_ = 0;
};

}  // namespace vt::bench
