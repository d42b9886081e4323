// Helpers shared by the codec tabs: sections over codec items, and the
// analog gain sections that first switch the codec's gain control to the
// handset's audio control block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "editors/Sections.h"

namespace vt::editors {

inline HandsetObject CodecItem(int k) { return {HandsetObject::Codec, k}; }

// A section over one codec item: read, rebuild, write, override, apply.
Section CodecSection(std::string box, std::vector<std::string> members, int item, Rebuild rebuild);

// A gain section: one bar, the item written from `value` without reading it.
Section CodecGainSection(std::string box, std::vector<std::string> bars, int item,
                         std::function<int32_t(const SectionContext&)> value);

// The gain section's check box clicked: when checked, the audio control
// block's gain flag is poked first (its own grant), then the section runs.
void CodecGainClicked(const Section& section, const ControlView& controls);

// "bbl poke <B+52> 0x00000002" for the chip type's audio control block B.
std::string GainFlagPokeLine(int chipType);

}  // namespace vt::editors
