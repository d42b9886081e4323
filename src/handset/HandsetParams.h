// Parameter ids 0 to 151: plain addresses (peek and poke), area-4 words of
// ids below 100 with a status bit each, and the API words of area 8 with a
// status bit per group in area 7 word 0.
#pragma once

#include <cstdint>

namespace vt {

// Access kind under the current API flags: the number of words of the id for
// area access, 0 or -1 for a plain address.
int32_t ParamKind(uint8_t id);
// Base address or area word under the current chip type and API flags.
int32_t ParamBase(uint8_t id);

int32_t ReadParam(uint8_t id, int32_t offset);
void WriteParam(uint8_t id, int32_t offset, int32_t value);
// Counts the id (or, for API ids, its group) up or down, never below 0, and
// sets the status bits of its words (or of its group) while the count is
// positive. API ids on plain addresses are left alone.
void SetParamOverride(uint8_t id, bool on);

// Algorithm status word 0 to 8, peeked at its fixed address for the current
// chip type; 0 without sending anything for an index or chip type with none.
int32_t ReadStatusWord(int index);

}  // namespace vt
