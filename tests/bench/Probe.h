// Tones played straight through the bench model, and the levels its inputs get.
#pragma once

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "bench/TelephonometryPath.h"

namespace vt::bench {

struct Tone {
  double hz = 0, amplitude = 0;  // on a card output, sample units at full volume
};

// The rms of both inputs in dBfs while the outputs play `left` and `right`,
// run straight through the model (the first 0.1 s left out).
inline std::pair<double, double> InputsDbfs(TelephonometryPath& path, Tone left, Tone right) {
  constexpr int kBlock = 480;
  std::vector<double> o0(kBlock), o1(kBlock), i0(kBlock), i1(kBlock);
  const double* out[2] = {o0.data(), o1.data()};
  double* in[2] = {i0.data(), i1.data()};
  double s0 = 0, s1 = 0;
  long n = 0, t = 0;
  for (int block = 0; block < 60; ++block) {
    for (int i = 0; i < kBlock; ++i, ++t) {
      const double w = 2 * std::numbers::pi * static_cast<double>(t) / 48000;
      o0[static_cast<size_t>(i)] = left.amplitude * std::sin(w * left.hz);
      o1[static_cast<size_t>(i)] = right.amplitude * std::sin(w * right.hz);
    }
    path.Run(out, in, kBlock, 48000);
    if (block < 10) continue;
    for (size_t i = 0; i < kBlock; ++i, ++n) {
      s0 += i0[i] * i0[i];
      s1 += i1[i] * i1[i];
    }
  }
  auto dbfs = [n](double s) { return 10 * std::log10(s / static_cast<double>(n)) - 20 * std::log10(32767.0); };
  return {dbfs(s0), dbfs(s1)};
}

// dBfs of a sine of amplitude `a`.
inline double SineDbfs(double a) { return 20 * std::log10(a / 32767 / std::numbers::sqrt2); }

}  // namespace vt::bench
