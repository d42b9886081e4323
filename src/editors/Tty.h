// The "TTY" tab: the downlink (DSP item 3) and uplink (DSP item 4) TTY
// switches. Chip type 3 has no downlink TTY bits: its word is only
// rewritten with the low byte 0xA0.
#pragma once

#include <vector>

#include "editors/Sections.h"

namespace vt::editors {

const std::vector<Section>& TtySections();

}  // namespace vt::editors
