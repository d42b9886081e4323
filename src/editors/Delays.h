// The "Delays" tab: the PCM in and out delays (parameter ids 6 and 7, in
// eighths of a millisecond times 32), their labels, and "DELAY".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

const std::vector<Section>& DelaysSections();
const std::vector<LabelRule>& DelaysLabels();
const MemoSection& DelayMemo();

}  // namespace vt::editors
