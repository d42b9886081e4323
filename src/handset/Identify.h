// Identification of the handset's audio chip and firmware.
#pragma once

#include <cstdint>
#include <string_view>

#include "handset/HandsetTables.h"

namespace vt {

// Splits the three identification words: word 1 = chip type (bits 8-15) and
// A (bits 0-7); word 2 = C (bits 12-15) and B (bits 0-11); word 3 = D (bits 0-7).
ChipIdentity DecodeIdentWords(int32_t word1, int32_t word2, int32_t word3);

// Reads the three identification words and, on chip type 3, probes area 8
// for the API flags (flags cleared on other types); only a probe answer that
// came and is not a refusal counts as success. With the link down it keeps
// the current chip type and takes its default version. When the link is up
// but the identification cannot finish (a wait failed, an answer was empty)
// it keeps the last known identity and the API flags while the current chip
// type is still that identity's, and tells the link's observer. Stores the
// chip type, sets the chip constants and returns what it settled on.
ChipIdentity IdentifyChip();

// Identification when the user picks a default view: no area-8 probe; when
// the handset does not answer, the chip type becomes `defaultType` with its
// quick default version. Sets the chip type and the chip constants.
ChipIdentity IdentifyChipQuick(int32_t defaultType);

// False when the last identification found the handset's link up but could
// not read everything it asked for.
bool IdentificationComplete();

}  // namespace vt
