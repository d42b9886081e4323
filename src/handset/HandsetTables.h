// The fixed tables of the handset access layer: item bits and apply masks,
// status addresses, chip constants, identification defaults and probe order,
// parameter kinds, bases and API groups. Every number the layer uses lives in
// HandsetTables.cpp; the code around it only looks things up.
#pragma once

#include <compare>
#include <cstdint>

namespace vt {

// Firmware version fields A.B.C.D; versions order field by field, A first.
struct ChipVersion {
  int32_t a = 0, b = 0, c = 0, d = 0;
  friend auto operator<=>(const ChipVersion&, const ChipVersion&) = default;
};

// Chip-type-3 firmware from which the extended echo-canceller parameters are
// there (and address 10 of the chip constants moves to its extended value);
// the 3.2.7 branch had them from 3.2.7.6 on.
inline constexpr ChipVersion kExtendedEcFrom{3, 2, 8, 4};
inline constexpr ChipVersion kExtendedEcBranchFrom{3, 2, 7, 6};
inline constexpr ChipVersion kExtendedEcBranchUntil{3, 2, 8, 0};

// What identification returns: chip type and version.
struct ChipIdentity {
  int32_t chipType = 0;
  ChipVersion version;
  bool operator==(const ChipIdentity&) const = default;
};

// Numbered areas of the tuning memory.
inline constexpr int32_t kAreaCommand = 1;    // word 0: command word
inline constexpr int32_t kAreaStatus = 2;     // status bits of areas 3 to 6
inline constexpr int32_t kAreaParams = 4;     // parameter words of ids below 100
inline constexpr int32_t kAreaDsp = 5;        // DSP items
inline constexpr int32_t kAreaCodec = 6;      // codec items
inline constexpr int32_t kAreaApiGroups = 7;  // word 0: group bits of the API parameters
inline constexpr int32_t kAreaApi = 8;        // API parameter words
inline constexpr int32_t kStatusWordDsp = 14;
inline constexpr int32_t kStatusWordCodec = 15;
// Command words written to area 1 word 0.
inline constexpr int32_t kCommandApplyParams = 2;
inline constexpr int32_t kCommandApplyDsp = 4;
inline constexpr int32_t kCommandApplyCodec = 8;
// The twelve group bits of area 7 word 0.
inline constexpr int32_t kApiGroupBits = 0x0FFF;

inline constexpr int kCodecItemCount = 15;
inline constexpr int kDspItemCount = 10;
inline constexpr int kStatusWordCount = 9;
inline constexpr int kApiGroupCount = 12;

// A codec or DSP item: its bit number (also its word index in its area) and
// the mask written to word 0 of its area by the apply sequence. Items outside
// the tables give bit 0 with an empty status mask and apply mask 0.
struct ItemEntry {
  int32_t bit = 0;
  int32_t applyMask = 0;
  int32_t statusMask = 0;  // 1 << bit, 0 outside the table
};
ItemEntry CodecItem(int item);
ItemEntry DspItem(int item);

// Address peeked by ReadStatusWord; false when the chip type or index has none.
bool StatusAddress(int32_t chipType, int index, int32_t& address);

// Chip-dependent words of the chip constants. kUnchanged leaves the current value.
inline constexpr int32_t kUnchanged = INT32_MIN;
inline constexpr int kChipMaskCount = 7;      // masks 1 to 7
inline constexpr int kChipAddressCount = 10;  // addresses 1 to 10
inline constexpr int kChipWordFirst = 11;     // words 11 to 16
inline constexpr int kChipWordLast = 16;
struct ChipConstantSet {
  int32_t chipType;
  int32_t masks[kChipMaskCount];
  int32_t addresses[kChipAddressCount - 1];  // addresses 1 to 9; address 10 by version
  int32_t words[kChipWordLast - kChipWordFirst + 1];
};
// The set of a chip type, or null for a type without one.
const ChipConstantSet* ChipConstantSetFor(int32_t chipType);
// Values the table holds at load beside those of chip type 1.
inline constexpr int32_t kAddress3AtLoad = 30829;
inline constexpr int32_t kAddress10AtLoad = 15569;
inline constexpr int32_t kAddress10Extended = 15585;

// Version assumed when the handset does not answer: by IdentifyChip and by
// IdentifyChipQuick. False for a chip type without defaults.
bool DefaultVersion(int32_t chipType, bool quick, ChipVersion& version);

// Order of the area-8 probe: the word read and how many API flags its
// success sets (flags 1 to n).
struct ApiProbeStep {
  int32_t word;
  int flags;
};
inline constexpr ApiProbeStep kApiProbe[] = {{56, 5}, {41, 4}, {39, 3}, {32, 2}, {0, 1}};

// API flags as a bit set: bit n-1 stands for ApiFlag n.
using ApiFlagSet = uint8_t;

// Access kind of a parameter id: the number of its words for area access,
// 0 or -1 for a plain address (-1: an API id whose flags are missing).
int32_t ParamKindFor(int id, ApiFlagSet flags);

// Base address or area word of a parameter id. address10 is address 10 of
// the chip constants (the plain address of id 125).
int32_t ParamBaseFor(int id, int32_t chipType, ApiFlagSet flags, int32_t address10);

// Words of id 16 on chip type 1 beyond offset 36 sit further up: the shift
// added to base + offset.
int32_t ParamWordShift(int id, int32_t chipType, int32_t offset);

// API group of parameter ids 101 to 151; false for other ids.
bool ApiGroupOf(int id, int& group, int32_t& bit);
// The bit of group 0 to 11 in area 7 word 0; 0 for other groups.
int32_t ApiGroupBit(int group);

}  // namespace vt
