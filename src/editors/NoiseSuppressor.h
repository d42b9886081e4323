// The "Noise suppressor" tab: per direction a word list (uplink id 18,
// downlink id 124) and four perceptual track bars that rewrite the list.
#pragma once

#include <array>
#include <string>

#include "editors/ParamLists.h"

namespace vt::editors {

struct NsDirection {
  const ParamList& list;
  // "Noise removing power:", "Tonal noise filtering:", "VAD reactivity:",
  // "VAD sensitivity:".
  std::array<const char*, 4> bars;
};
const NsDirection& UlNs();
const NsDirection& DlNs();

// The seven rows (Alpha, Ln, K, TauR, TauD, Lamda, TauF) for bar positions
// 0 to 100, as the list holds them.
std::array<int32_t, 7> NsWordsFromBars(int power, int tonal, int reactivity, int sensitivity);

// A bar of the direction moved. Only a user's change counts (one of the
// direction's bars has the input focus): the list is rewritten in decimal
// and the direction's "update" runs. Returns its message, else "".
std::string NsBarChanged(const NsDirection& d, ControlView& controls);

}  // namespace vt::editors
