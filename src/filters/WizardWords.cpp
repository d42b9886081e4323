#include "filters/WizardWords.h"

#include <cmath>

namespace vt::filters {

namespace {

// Word index of tap i: 31 taps use a0..a30 as they are; the symmetric 47 and
// 63 taps keep only the centre tap (a0) and one half (a1..) in the list.
int WordOfTap(int tapCount, int i) {
  if (tapCount == 31) return i;
  const int centre = tapCount / 2;
  return i <= centre ? centre - i : i - centre;
}

}  // namespace

void ReadFirWords(FirDesign& fir, int tapCount, const std::vector<long long>& a,
                  long long gainWord) {
  fir.tapCount = tapCount;
  fir.sampleRate = 8000;
  fir.taps.fill(0);
  bool symmetric = true;
  if (tapCount == 31)
    for (int i = 16; i <= 30; ++i) symmetric = symmetric && a[i] == a[30 - i];
  if (!symmetric) {
    fir.taps[15] = 1;
  } else {
    const int count = tapCount == 31 ? 32 : tapCount;  // tap 31 is read, never used
    for (int i = 0; i < count; ++i) fir.taps[i] = TapFromWord(a[WordOfTap(tapCount, i)], gainWord);
  }
  fir.LevelsFromTaps();
}

std::optional<FirRowWords> WriteFirWords(const FirDesign& fir, std::string* error) {
  const FirWords words = TapsToWords(fir.taps.data(), fir.tapCount);
  bool finite = true;
  for (int i = 0; i < fir.tapCount; ++i) finite = finite && std::isfinite(fir.taps[i]);
  if (!finite || !words.Fits()) {
    if (error) {
      *error = finite ? "The FIR's gain word would be " + std::to_string(words.gain) +
                            ", beyond the 16-bit range: lower the band levels"
                      : std::string("The FIR's taps are not finite numbers");
      *error += " (nothing was written)";
    }
    return std::nullopt;
  }
  FirRowWords out;
  out.gain = words.gain;
  // 31 taps write a0..a30; the symmetric ones a_centre..a0 from the first half.
  const int last = fir.tapCount == 31 ? 30 : fir.tapCount / 2;
  for (int i = 0; i <= last; ++i)
    out.rows.emplace_back(WordOfTap(fir.tapCount, i), words.taps[static_cast<size_t>(i)]);
  return out;
}

IirSection ReadIirWords(const std::vector<long long>& words5) {
  IirSection s;
  s.sampleRate = 8000;
  s.SetWords({words5[0], words5[1], words5[2], words5[3], words5[4]});
  s.ParametersFromCoefficients();
  return s;
}

}  // namespace vt::filters
