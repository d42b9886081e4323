// The "codec input" tab: "In gain" (codec item 9) with its labels, "Input
// selection" and "Mike bias" (codec item 7), the input "Mute" (codec item 8),
// and "CODEC_INPUT".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

// "In gain": its check box runs through CodecGainClicked.
const Section& CodecInputGainSection();
// The other sections.
const std::vector<Section>& CodecInputSections();
const std::vector<LabelRule>& CodecInputLabels();
const MemoSection& CodecInputMemo();

}  // namespace vt::editors
