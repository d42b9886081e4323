// One second-order equaliser section: designed from five tuning parameters by
// the backward-difference image of an analog prototype, quantised to the
// handset's Q14 words, read back into parameters, and its magnitude response.
#pragma once

#include <array>

namespace vt::filters {

// Q14 coefficient words: value = word / 16384, representable while |word| <= 32767.
long long Q14Word(long double coefficient);
long double Q14Value(long long word);
// RoundHalfToZero(c * 16384) / 16384; a value too large to round is returned as it is.
long double Q14(long double coefficient);
bool Q14Representable(long double coefficient);

struct IirSection {
  // H(z) = (a0 + a1 z^-1 + a2 z^-2) / (1 + b1 z^-1 + b2 z^-2), quantised.
  long double a0 = 1, a1 = 0, a2 = 0, b1 = 0, b2 = 0;
  long double sampleRate = 8000;  // Hz
  long double gainLf = 1;         // linear, towards 0 Hz; may be 0
  long double gainHf = 1;         // linear, towards high frequencies; > 0
  long double gainF0 = 1;         // linear, at f0; > 0
  long double f0 = 1000;          // Hz
  long double m = 1;              // damping; > 0

  // A flat section at 1000 Hz, m = 1, with its designed words
  // (16384, -18353, 5140, -18353, 5140).
  IirSection();

  // Coefficients from the parameters. False when a quantised coefficient leaves
  // the Q14 range (the coefficients are stored anyway) or when the parameters
  // cannot be designed at all (gainHf, gainF0, f0, m or sampleRate not positive,
  // or not finite; the coefficients are then unchanged).
  bool Design();

  // Parameters from the coefficients, which stay as they are. When the words
  // describe no prototype (a zero D0, D1 or D2, or a negative value under a
  // square root) the section falls back to gains 1, f0 = 1000 Hz, m = 0.5 and
  // is redesigned from those.
  void ParametersFromCoefficients();

  // Magnitude response at f Hz, dB; kSilenceDb for a zero of the numerator,
  // kUnboundedDb for a zero of the denominator.
  long double Response(long double f) const;

  // a0, a1, a2, b1, b2 as Q14 words, and back.
  std::array<long long, 5> Words() const;
  void SetWords(const std::array<long long, 5>& words);
};

}  // namespace vt::filters
