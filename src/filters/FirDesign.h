// A symmetric FIR designed from band levels by frequency sampling, with the
// handset's fixed-point quantisation, the way back from taps to levels, and
// its magnitude response.
#pragma once

#include <array>
#include <vector>

#include "filters/FirBasis.h"

namespace vt::filters {

// Iterations of LevelsFromTaps before it keeps what it has.
inline constexpr int kLevelIterationLimit = 1000;

// Band layout of the equaliser: N taps give N/2 + 1 bands of 4000/(N/2 + 1) Hz.
int BandCount(int tapCount);
long double BandWidth(int tapCount);
// Centre of band k, where its level acts: (k + 0.5) * BandWidth.
long double BandCentre(int tapCount, int k);

struct FirDesign {
  std::array<long double, kMaxTaps> taps{};      // h[0..N-1]
  std::array<long double, kMaxLevels> levels{};  // g[0..N/2], dB
  int tapCount = 31;                             // N
  long double sampleRate = 8000;                 // Hz
  bool quantise = true;

  // Taps from levels (and quantised when quantise is set). False when there
  // is no fixed-point implementation (the Q12 gain word cannot be formed, or the
  // gain word written back for the taps would not fit 16 bits), when
  // a level is not finite, or when tapCount is outside 1..kMaxTapCount; taps
  // are then left unchanged, except that taps whose gain word cannot be formed
  // stay unquantised.
  bool Design();

  // Levels from the current taps, each truncated toward zero to 0.1 dB. The
  // iteration stops at maxIterations and keeps its last estimate. False (levels
  // unchanged) for a tapCount outside 1..kMaxTapCount or taps that are not finite.
  bool LevelsFromTaps(int maxIterations = kLevelIterationLimit);

  // Magnitude response at f Hz, dB (kSilenceDb for an exact zero).
  long double Response(long double f) const;

  // All levels 0 dB, then Design.
  bool Flat();
};

// Largest signed 16-bit word of the handset.
inline constexpr long long kMaxWord = 32767;

// The handset's quantisation of N taps in place: Q12 gain S = RoundHalfToZero(4096 / M)
// for the largest magnitude M (at least 1), taps on the grid 1 / (32767 * S / 4096).
// Returns false, leaving the taps alone, when S is 0 or above 32767, or when the
// gain word written back for them, Trunc(M * 4096), would not fit 16 bits.
bool QuantiseTaps(long double* taps, int tapCount);

// The handset's FIR words: a Q12 gain word (4096 = 1.0) and one signed 16-bit
// word per tap.
struct FirWords {
  long long gain = 4096;
  std::vector<long long> taps;

  // Every word fits a signed 16-bit word.
  bool Fits() const;
};

// Words of N taps as the wizards write them back: with M the largest |tap|, gain
// 4096 and scale 1 when M < 1, else gain Trunc(M * 4096) and scale 1/M; each word
// RoundHalfToZero(tap * scale * 32767).
FirWords TapsToWords(const long double* taps, int tapCount);

// A tap read from the handset: word * (gain / 4096) / 32768.
long double TapFromWord(long long word, long long gainWord);

}  // namespace vt::filters
