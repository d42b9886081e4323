// Module-wide handset state: the held link, the chip type and API flags from
// the last identification, the chip constants, and the reference counts of
// the overrides. Lives for the module's lifetime; GUI thread only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "handset/HandsetTables.h"

namespace vt {

// True while HoldLink keeps the channel granted across commands.
bool LinkHeld();
void SetLinkHeld(bool held);

// 1 or 3 (1 at load).
int32_t ChipType();
void SetChipType(int32_t chipType);

// Which parts of area 8 answer; flag n = 1 .. 5.
bool ApiFlag(int n);
void SetApiFlag(int n, bool on);
void ClearApiFlags();
ApiFlagSet ApiFlags();
inline bool ApiFlag1() { return ApiFlag(1); }
inline bool ApiFlag2() { return ApiFlag(2); }
inline bool ApiFlag3() { return ApiFlag(3); }
inline bool ApiFlag4() { return ApiFlag(4); }
inline bool ApiFlag5() { return ApiFlag(5); }

// The masks and addresses the editors take by position.
struct ChipConstantTable {
  std::array<int32_t, kChipMaskCount + 1> masks{};         // masks 1 to 7
  std::array<int32_t, kChipAddressCount + 1> addresses{};  // addresses 1 to 10
  std::array<int32_t, kChipWordLast + 1> words{};          // words 11 to 16
  // By position; 0 outside the table.
  int32_t Mask(int k) const { return k >= 1 && k <= kChipMaskCount ? masks[k] : 0; }
  int32_t Address(int k) const { return k >= 1 && k <= kChipAddressCount ? addresses[k] : 0; }
  int32_t Word(int k) const { return k >= kChipWordFirst && k <= kChipWordLast ? words[k] : 0; }
};
const ChipConstantTable& ChipConstants();
// Selects the words of a chip type and version; a chip type without a set
// of its own changes nothing.
void SetChipConstants(int32_t chipType, const ChipVersion& version);

// Reference counts of the overrides (four tables of 100).
struct UseCountTables {
  std::array<int32_t, 100> codec{};
  std::array<int32_t, 100> dsp{};
  std::array<int32_t, 100> param{};
  std::array<int32_t, 100> apiGroup{};  // 12 used
};
const UseCountTables& ModuleUseCounts();
// All 400 counts to 0 (the frame does this whenever it is created).
void ClearModuleUseCounts();
enum class UseTable { Codec, Dsp, Param, ApiGroup };
// Counts entry `index` up (on) or down (off, never below 0) and returns the
// new count; an index outside the table counts nothing and gives 0.
int32_t CountUse(UseTable table, int index, bool on);
int32_t UseCount(UseTable table, int index);

// The identity that the last complete identification read from the handset.
const std::optional<ChipIdentity>& LastKnownIdentity();
void SetLastKnownIdentity(const ChipIdentity& id);

// Everything back to the state at load: link not held, chip type 1, flags
// clear, constants at their start values, counts 0.
void ResetHandsetState();

}  // namespace vt
