#include "Reference.h"

#include <cmath>

#include "common/Numbers.h"

namespace vt::filters::reference {

bool PlainDesign(FirDesign& fir) {
  const int n = fir.tapCount;
  const int half = n / 2;
  std::vector<long double> amplitude(n + 1);
  for (int k = 0; k <= n; ++k) amplitude[k] = powl(10, 0.05L * fir.levels[k <= half ? k : n - k]);
  std::vector<long double> h(n);
  for (int tap = 1; tap <= n; ++tap) {
    long double sum = 0;
    for (int k = 0; k <= n; ++k) sum += amplitude[k] * DesignCosine(tap, k, n);
    h[tap - 1] = sum / (n + 1);
  }
  for (int i = 0; i < kMaxTaps; ++i) fir.taps[i] = i < n ? h[i] : 0;
  if (!fir.quantise) return true;
  long double largest = -1;
  for (int i = 0; i < n; ++i) largest = std::max(largest, fabsl(h[i]));
  if (largest < 1) largest = 1;
  const long long scale = RoundHalfToZero(4096 / largest);
  if (scale <= 0) return false;
  const long double gain = scale / 4096.0L;
  for (int i = 0; i < n; ++i) fir.taps[i] = RoundHalfToZero(h[i] * 32767 * gain) / (32767 * gain);
  return scale <= 32767;
}

void PlainLevelsFromTaps(FirDesign& fir, int maxIterations) {
  const int n = fir.tapCount;
  const int half = n / 2;
  auto forward = [&](const std::vector<long double>& h) {
    std::vector<long double> g(half + 1);
    for (int k = 0; k <= half; ++k) {
      long double sum = 0;
      for (int tap = 1; tap <= n; ++tap) sum += h[tap - 1] * TransformCosine(tap, k, n);
      g[k] = sum;
    }
    return g;
  };
  auto inverse = [&](const std::vector<long double>& g) {
    std::vector<long double> h(n);
    for (int tap = 1; tap <= n; ++tap) {
      long double sum = 0;
      for (int k = 0; k <= n; ++k) {
        sum += (k <= half ? g[k] : -g[n - k]) * TransformCosine(tap, k, n);
      }
      h[tap - 1] = sum / (n + 1);
    }
    return h;
  };
  const std::vector<long double> target(fir.taps.begin(), fir.taps.begin() + n);
  std::vector<long double> g = forward(target);
  for (int iteration = 0; iteration < maxIterations; ++iteration) {
    std::vector<long double> r = inverse(g);
    for (int i = 0; i < n; ++i) r[i] -= target[i];
    const std::vector<long double> e = forward(r);
    bool done = true;
    for (int k = 0; k <= half; ++k) {
      g[k] -= e[k];
      if (fabsl(e[k]) > 1e-14L) done = false;
    }
    if (done) break;
  }
  for (int k = 0; k <= half; ++k) {
    const long double magnitude = fabsl(g[k]);
    fir.levels[k] = magnitude == 0 ? kSilenceDb : Trunc(200 * log10l(magnitude)) * 0.1L;
  }
}

long double PlainEvaluator::Total(int x) {
  // Every term from scratch: spectrum interpolation, sections, FIR.
  const long double f = context_.plot.FreqOfX(x);
  return context_.fixed.at(f) + fir_->Response(f);
}

Spectrum HandsetSpectrum() {
  auto db = [](long double power) { return 10 * log10l(power); };
  Spectrum s;
  for (int i = 0;; ++i) {
    const long double f = 100 * powl(2, i / 24.0L);
    if (f > 4000) break;
    const long double hp = f / 450, lp = f / 3400;
    long double level = db(hp * hp * hp * hp / ((1 - hp * hp) * (1 - hp * hp) + hp * hp / 0.5L));
    level += db(1 / ((1 - lp * lp) * (1 - lp * lp) + lp * lp / 0.8L));
    const long double peak = log2l(f / 2600) / 0.3L, dip = log2l(f / 1200) / 0.5L;
    level += 7 * expl(-peak * peak) - 3 * expl(-dip * dip) - 6;
    s.Add(f, level);
  }
  return s;
}

}  // namespace vt::filters::reference
