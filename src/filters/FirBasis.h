// The cosine and sine terms every FIR computation is built from, and their
// per-length tables. The tables hold exactly the values the term functions
// return, so a computation from the tables gives the same bits as one that
// calls the term functions directly.
#pragma once

#include <vector>

namespace vt::filters {

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Level given to an exact zero magnitude (no finite dB value exists).
inline constexpr long double kSilenceDb = -400.0L;
// Level given to an infinite gain (a zero denominator).
inline constexpr long double kUnboundedDb = 400.0L;

// Largest FIR the design objects hold: 128 taps, 64 band levels.
inline constexpr int kMaxTaps = 128;
inline constexpr int kMaxLevels = 64;
// Longest designable FIR: N taps need N / 2 + 1 levels and N + 1 terms per tap.
inline constexpr int kMaxTapCount = 127;

// cos(k*pi + 2*pi*n*k/(N+1)): the frequency-sampling design term of tap n-1.
long double DesignCosine(int n, int k, int tapCount);

// cos(2*pi*n*k/(N+1)): the term of the transforms between taps and levels.
long double TransformCosine(int n, int k, int tapCount);

// cos and sin of 2*pi*k*f/fs: tap k's term of the response at f Hz.
void ResponseTerms(int k, long double f, long double fs, long double& c, long double& s);

// 20*log10(sqrt(re^2 + im^2)); kSilenceDb for an exact zero.
long double MagnitudeDb(long double re, long double im);

// DesignCosine and TransformCosine of one length, row n-1 = tap, column k.
struct FirTables {
  int tapCount = 0;
  std::vector<long double> design;     // [(n-1)*(N+1) + k]
  std::vector<long double> transform;  // [(n-1)*(N+1) + k]
};

// The tables of one length, built on first use and kept for the process
// lifetime (thread-safe). tapCount must be 1..kMaxTapCount.
const FirTables& TablesFor(int tapCount);

}  // namespace vt::filters
