// Codec items (area 6, status in area 2 word 15) and DSP items (area 5,
// status in area 2 word 14): read, write, reference-counted override, apply.
#pragma once

#include <cstdint>

namespace vt {

// The word the handset uses: the written word when the item's status bit is
// set, else the built-in word.
int32_t ReadCodecItem(uint8_t item);
void WriteCodecItem(uint8_t item, int32_t value);
// Counts the item's override up or down (never below 0) and sets its status
// bit while the count is positive.
void SetCodecOverride(uint8_t item, bool on);
// Re-initialises the codec with the item's apply mask.
void ApplyCodec(uint8_t item);

int32_t ReadDspItem(uint8_t item);
// Direct reads without the status read: the written word, the built-in word.
int32_t ReadDspItemInForce(uint8_t item);
int32_t ReadDspItemBuiltIn(uint8_t item);
void WriteDspItem(uint8_t item, int32_t value);
// As SetCodecOverride; switching on an item whose bit is still clear first
// copies its built-in word into its written word, and a count that reaches
// 0 re-applies the item.
void SetDspOverride(uint8_t item, bool on);
void ApplyDsp(uint8_t item);

// Commits the parameter words: command 2, then ApplyDsp of item 9.
void ApplyParams();

}  // namespace vt
