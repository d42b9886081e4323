// The "codec output" tab: "Out gain" (codec item 2), "Output selection"
// (codec items 0 and 1), "Output mode" (codec item 7), the output "Mute"
// (codec item 1), and "CODEC_OUTPUT".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

// "Out gain": its check box runs through CodecGainClicked.
const Section& CodecOutputGainSection();
// The other sections.
const std::vector<Section>& CodecOutputSections();
const std::vector<LabelRule>& CodecOutputLabels();
const MemoSection& CodecOutputMemo();

}  // namespace vt::editors
