// The tone generator of the "Misc" tab: four tones (frequency and amplitude
// bars) played through DSP items 1 and 6.
#pragma once

#include <string>
#include <vector>

#include "editors/ControlView.h"
#include "editors/Labels.h"

namespace vt::editors {

// "Tone" clicked (checked or unchecked).
void ToneClicked(const ControlView& controls);
// One of the eight bars changed (its label follows through ToneLabels).
void ToneBarChanged(const std::string& bar, const ControlView& controls);

// The eight bars, in the order of their words in area 3 (frequency and
// amplitude of tone 1, then tone 2, ...).
const std::vector<std::string>& ToneBars();
const std::vector<LabelRule>& ToneLabels();

}  // namespace vt::editors
