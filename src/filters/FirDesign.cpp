#include "filters/FirDesign.h"

#include <cmath>

#include "common/Numbers.h"

namespace vt::filters {

int BandCount(int tapCount) { return tapCount / 2 + 1; }

long double BandWidth(int tapCount) { return 4000.0L / BandCount(tapCount); }

long double BandCentre(int tapCount, int k) { return (k + 0.5L) * BandWidth(tapCount); }

namespace {

bool ValidCount(int tapCount) { return tapCount >= 1 && tapCount <= kMaxTapCount; }

// Level of one transform value: dB truncated toward zero to 0.1 dB.
long double TruncatedLevel(long double value) {
  const long double magnitude = fabsl(value);
  if (magnitude == 0) return kSilenceDb;
  long double tenths = 200 * log10l(magnitude);
  if (tenths < kSilenceDb * 10) return kSilenceDb;
  if (tenths > kUnboundedDb * 10) return kUnboundedDb;
  return Trunc(tenths) * 0.1L;
}

}  // namespace

bool QuantiseTaps(long double* taps, int tapCount) {
  long double largest = -1;
  for (int i = 0; i < tapCount; ++i) {
    if (fabsl(taps[i]) > largest) largest = fabsl(taps[i]);
  }
  // The gain word the taps are written back with must fit too.
  if (!(largest * 4096 < kMaxWord + 1)) return false;
  if (largest < 1) largest = 1;
  const long long scale = RoundHalfToZero(4096 / largest);
  if (scale <= 0 || scale > 32767) return false;
  const long double gain = scale / 4096.0L;
  for (int i = 0; i < tapCount; ++i) {
    taps[i] = RoundHalfToZero(taps[i] * 32767 * gain) / (32767 * gain);
  }
  return true;
}

bool FirDesign::Design() {
  const int n1 = tapCount + 1;
  if (!ValidCount(tapCount)) return false;
  const int half = tapCount / 2;
  std::array<long double, kMaxTaps> amplitude{};
  for (int k = 0; k <= half; ++k) {
    if (!std::isfinite(levels[k])) return false;
    amplitude[k] = powl(10, 0.05L * levels[k]);
  }
  for (int k = half + 1; k <= tapCount; ++k) amplitude[k] = amplitude[tapCount - k];

  std::array<long double, kMaxTaps> h{};
  const FirTables& tables = TablesFor(tapCount);
  for (int n = 1; n <= tapCount; ++n) {
    const long double* row = &tables.design[static_cast<size_t>(n - 1) * n1];
    long double sum = 0;
    for (int k = 0; k <= tapCount; ++k) sum += amplitude[k] * row[k];
    h[n - 1] = sum / n1;
    if (!std::isfinite(h[n - 1])) return false;
  }
  taps = h;
  if (!quantise) return true;
  return QuantiseTaps(taps.data(), tapCount);
}

bool FirDesign::LevelsFromTaps(int maxIterations) {
  if (!ValidCount(tapCount)) return false;
  for (int i = 0; i < tapCount; ++i) {
    if (!std::isfinite(taps[i])) return false;
  }
  const int n1 = tapCount + 1;
  const int half = tapCount / 2;
  const FirTables& tables = TablesFor(tapCount);
  const long double* cosine = tables.transform.data();

  // Forward: G[k] = sum over n of h[n-1] * cos(2*pi*k*n/(N+1)), k = 0..N/2.
  auto forward = [&](const long double* h, long double* g) {
    for (int k = 0; k <= half; ++k) {
      long double sum = 0;
      for (int n = 1; n <= tapCount; ++n) sum += h[n - 1] * cosine[(n - 1) * n1 + k];
      g[k] = sum;
    }
  };
  // Inverse with the mirrored half negated: G'(k) = -G[N-k] above N/2.
  auto inverse = [&](const long double* g, long double* h) {
    std::array<long double, kMaxTaps> mirrored{};
    for (int k = 0; k <= tapCount; ++k) mirrored[k] = k <= half ? g[k] : -g[tapCount - k];
    for (int n = 1; n <= tapCount; ++n) {
      const long double* row = &cosine[(n - 1) * n1];
      long double sum = 0;
      for (int k = 0; k <= tapCount; ++k) sum += mirrored[k] * row[k];
      h[n - 1] = sum / n1;
    }
  };

  std::array<long double, kMaxLevels> g{}, e{};
  std::array<long double, kMaxTaps> r{};
  forward(taps.data(), g.data());
  for (int iteration = 0; iteration < maxIterations; ++iteration) {
    inverse(g.data(), r.data());
    for (int i = 0; i < tapCount; ++i) r[i] -= taps[i];
    forward(r.data(), e.data());
    long double worst = 0;
    for (int k = 0; k <= half; ++k) {
      g[k] -= e[k];
      if (!(fabsl(e[k]) <= worst)) worst = fabsl(e[k]);
    }
    if (!(worst > 1e-14L)) break;
  }
  for (int k = 0; k <= half; ++k) levels[k] = TruncatedLevel(g[k]);
  return true;
}

long double FirDesign::Response(long double f) const {
  long double re = 0, im = 0;
  for (int k = 0; k < tapCount && k < kMaxTaps; ++k) {
    long double c, s;
    ResponseTerms(k, f, sampleRate, c, s);
    re += taps[k] * c;
    im -= taps[k] * s;
  }
  return MagnitudeDb(re, im);
}

FirWords TapsToWords(const long double* taps, int tapCount) {
  FirWords words;
  long double largest = 0;
  for (int i = 0; i < tapCount; ++i) {
    if (fabsl(taps[i]) > largest) largest = fabsl(taps[i]);
  }
  // Beyond any real filter; keeps the conversions below defined.
  if (!(largest <= 1e12L)) largest = 1e12L;
  long double scale = 1;
  if (largest >= 1) {
    words.gain = Trunc(largest * 4096);
    scale = 1 / largest;
  }
  for (int i = 0; i < tapCount; ++i) words.taps.push_back(RoundHalfToZero(taps[i] * scale * 32767));
  return words;
}

bool FirWords::Fits() const {
  if (gain > kMaxWord || gain < 0) return false;
  for (long long w : taps)
    if (w > kMaxWord || w < -kMaxWord - 1) return false;
  return true;
}

long double TapFromWord(long long word, long long gainWord) {
  return word * (gainWord / 4096.0L) / 32768;
}

bool FirDesign::Flat() {
  levels.fill(0);
  return Design();
}

}  // namespace vt::filters
