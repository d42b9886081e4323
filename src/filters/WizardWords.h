// The filter wizards' side of the frame's coefficient lists: the 32 FIR tap
// words and the gain word turned into a design of 31, 47 or 63 taps, the IIR
// words into sections, and both back into the words the lists hold.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "filters/FirDesign.h"
#include "filters/IirSection.h"

namespace vt::filters {

// Words of a FIR list: a0..a31 (by position) and the "gain" row.
inline constexpr int kFirWordCount = 32;

// Sets tapCount and the taps of `fir` from the words (decimal or "0x" text
// already read as numbers), then its levels. A 31-tap filter whose words are
// not symmetric (a16..a30 against a14..a0) becomes a unit impulse at tap 15.
// a must hold kFirWordCount words.
void ReadFirWords(FirDesign& fir, int tapCount, const std::vector<long long>& a,
                  long long gainWord);

// The words an "OK" writes: row index (0 = a0) and word, plus the gain word.
// Empty, with `error` set, when the taps need a gain word above 16 bits (a
// filter whose largest tap reaches 8.0), or are not finite.
struct FirRowWords {
  long long gain = 4096;
  std::vector<std::pair<int, long long>> rows;  // (index of a_i, word)
};
std::optional<FirRowWords> WriteFirWords(const FirDesign& fir, std::string* error);

// Section from its five words (a0, a1, a2, b1, b2), with its parameters.
IirSection ReadIirWords(const std::vector<long long>& words5);

}  // namespace vt::filters
