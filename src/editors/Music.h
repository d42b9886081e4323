// The "Music treatment" tab: ClearLift (DSP item 7, parameter ids 101 to 105),
// the MIDI enhancer (106 to 111) and the MIDI mixer (123), their labels and
// the memo section "MUSIC_TRT".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"

namespace vt::editors {

const std::vector<LabelRule>& MusicLabels();

// "ClearLift" clicked; also ticks the downlink "Harmonizer level" to match.
void ClearLiftClicked(ControlView& c);
void ClearLiftEnableChanged(const ControlView& c);
void ClearLiftBoostChanged(const ControlView& c);
void ClearLiftGranularityChanged(const ControlView& c);
// The page's harmonizer bar moves the downlink tab's one (which writes).
void MusicHarmonizerChanged(ControlView& c);
void EnhancerClicked(const ControlView& c);
void EnhancerChanged(const ControlView& c);
void MixerClicked(const ControlView& c);
void MixerChanged(const ControlView& c);

// Words of the effects as the page writes them.
struct ClearLiftBoost {
  int32_t threshold, amountHigh, amountLow;
};
ClearLiftBoost ClearLiftBoostWords(int dB);
// Parameter ids 110 and 111 from "Effect presence".
std::pair<int32_t, int32_t> EnhancerMix(int presence);
// Word 1 of parameter id 123: FM synthesis low byte, wave table high byte.
int32_t MixerWord(int fmDb, int waveTableDb);

const MemoSection& MusicTrtMemo();

}  // namespace vt::editors
