#include "editors/NoiseGate.h"

#include <cmath>
#include <cstdlib>

#include "common/Numbers.h"

namespace vt::editors {

int32_t SmoothingCoefficient(long double seconds) {
  return int32_t(Trunc(65536.0L / (1.0L + 6.28L / (8000.0L * seconds))));
}

int32_t DbWord(long double dB, long double scale) {
  return int32_t(Trunc(std::pow(10.0L, 0.05L * dB) * scale));
}

namespace {
long double Log10Factor(int attenuationDb) { return 0.05L * attenuationDb; }  // log10(A)
}  // namespace

int32_t GateAttenuationWord(int attenuationDb) { return DbWord(attenuationDb, 32767.0L); }

int32_t GateClosingWord(int attenuationDb, int closing) {
  return int32_t(Trunc(std::pow(10.0L, Log10Factor(attenuationDb) / closing) * 65535.0L));
}

int32_t GateOpeningWord(int attenuationDb, int opening) {
  long double x = std::pow(10.0L, -Log10Factor(attenuationDb) / opening) * 32768.0L;
  if (x > 65534.0L) x = 65535.0L;
  return int32_t(Trunc(x));
}

int32_t FarEndFastWord(int farEnd) { return SmoothingCoefficient(farEnd * 0.001L); }

GateWords NoiseGateWords(int attenuationDb, int closing, int opening, int sensitivity, int farEnd,
                         int softOpening) {
  GateWords w{};
  w.attenuation = GateAttenuationWord(attenuationDb);
  w.closingStep = GateClosingWord(attenuationDb, closing);
  w.openingStep = GateOpeningWord(attenuationDb, opening);
  w.openingSmoothing = SmoothingCoefficient(opening * 0.000125L);
  w.closingSmoothing = SmoothingCoefficient(closing * 0.000125L);
  w.farEndFast = FarEndFastWord(farEnd);
  w.farEndSlow = SmoothingCoefficient(0.2L - 3.0L * (farEnd * 0.001L - 0.01L));
  w.sensitivity = sensitivity;
  w.softOpening = softOpening;
  return w;
}

int FindPosition(int lo, int hi, int32_t word, const std::function<int32_t(int)>& wordOf) {
  int best = lo;
  long long bestDistance = -1;
  for (int p = lo; p <= hi; ++p) {
    const long long d = std::llabs(static_cast<long long>(wordOf(p)) - word);
    if (bestDistance < 0 || d < bestDistance) {
      best = p;
      bestDistance = d;
      if (d == 0) break;
    }
  }
  return best;
}

std::string Num(long double x) { return FloatToStr(x); }

bool OpeningTimeWarning(int opening) { return opening * 0.125L > 3.0L; }

}  // namespace vt::editors
