// The "DSP config" tab: one section per DSP block, switching its bit(s) in
// the control word of DSP item 2, 3, 4, 5 or 9, and the memo section
// "DSP_CONF" of the blocks' "Enabled" boxes.
#pragma once

#include <vector>

#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

const std::vector<Section>& DspConfigSections();
const MemoSection& DspConfMemo();

// The DL FIR length bits of DSP item 3 from the length radio buttons of the
// "Filters" tab: chip type 1, 0x0800 unless "32"; chip type 3, the length
// code in bits 13 to 15.
int32_t DlFirLengthBits(const SectionContext& ctx);

}  // namespace vt::editors
