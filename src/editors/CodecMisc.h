// The "codec misc" tab: the codec "Sidetone gain" (codec item 3), "Aux input
// mode" (codec item 0), "Uplink out mode" (codec item 7), and "CODEC_MISC".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

// "Sidetone gain": its check box runs through CodecGainClicked.
const Section& CodecMiscGainSection();
// The other sections.
const std::vector<Section>& CodecMiscSections();
const std::vector<LabelRule>& CodecMiscLabels();
const MemoSection& CodecMiscMemo();

}  // namespace vt::editors
