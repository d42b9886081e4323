// Formulas shared by the dynamics tabs: the one-pole smoothing coefficient,
// the noise gate word set (one algorithm for both directions), and the
// reverse search the memo readers use to turn a word back into a position.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vt::editors {

// g(t) = 65536 / (1 + 6.28 / (8000 t)) for a time in seconds, truncated.
int32_t SmoothingCoefficient(long double seconds);

// A gain in dB as a linear factor times `scale`, truncated.
int32_t DbWord(long double dB, long double scale);

// The gate's words from its bar positions: attenuation in dB, closing and
// opening times in eighths of a millisecond, sensitivity, far-end noise in
// milliseconds and the soft-opening position.
struct GateWords {
  int32_t attenuation, closingStep, openingStep, openingSmoothing, closingSmoothing, farEndFast,
      farEndSlow, sensitivity, softOpening;
};
GateWords NoiseGateWords(int attenuationDb, int closing, int opening, int sensitivity, int farEnd,
                         int softOpening);
int32_t GateAttenuationWord(int attenuationDb);
int32_t GateClosingWord(int attenuationDb, int closing);
int32_t GateOpeningWord(int attenuationDb, int opening);
int32_t FarEndFastWord(int farEnd);

// The position in lo..hi whose word comes nearest to `word` (the lowest of
// equals).
int FindPosition(int lo, int hi, int32_t word, const std::function<int32_t(int)>& wordOf);

// "12.5" from 12.5: the shortest decimal form of a label value.
std::string Num(long double x);

// The opening time (eighths of a millisecond) above which the gate's
// "Warning!!!!!" button shows.
bool OpeningTimeWarning(int opening);
inline constexpr const char* kOpeningWarningText =
    "Open time should be <1.5ms for good MOS and <3ms in general";

}  // namespace vt::editors
