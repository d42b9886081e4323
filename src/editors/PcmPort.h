// The "PCM port" tab: "PCM config" over codec items 10 (format word), 11
// and 12 (clock and sync dividers), the frequency labels of the dividers,
// and "PCM_PORT".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

const std::vector<Section>& PcmPortSections();
const std::vector<LabelRule>& PcmPortLabels();
const MemoSection& PcmPortMemo();

}  // namespace vt::editors
