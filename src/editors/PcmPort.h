// The "PCM port" tab: the clock and sync frequency labels of its dividers.
#pragma once

#include <vector>

#include "editors/Labels.h"

namespace vt::editors {

const std::vector<LabelRule>& PcmPortLabels();

}  // namespace vt::editors
