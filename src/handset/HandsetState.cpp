#include "handset/HandsetState.h"

#include <cstddef>
#include <optional>

namespace vt {

namespace {

ChipConstantTable StartConstants() {
  ChipConstantTable t;
  t.addresses[3] = kAddress3AtLoad;
  t.addresses[10] = kAddress10AtLoad;
  return t;
}

struct HandsetState {
  bool linkHeld = false;
  int32_t chipType = 1;
  ApiFlagSet apiFlags = 0;
  ChipConstantTable constants = StartConstants();
  UseCountTables counts;
  std::optional<ChipIdentity> lastKnown;

  HandsetState() { SetConstants(1, {}); }
  void SetConstants(int32_t chipType, const ChipVersion& v);
};

HandsetState& State() {
  static HandsetState state;
  return state;
}

// Address 10 on chip type 3 follows the firmware version; 0 means "leave it".
int32_t Address10ForVersion(const ChipVersion& v) {
  if (v >= kExtendedEcBranchFrom && v < kExtendedEcBranchUntil) return kAddress10AtLoad;
  if (v >= kExtendedEcFrom) return kAddress10Extended;
  return 0;
}

void HandsetState::SetConstants(int32_t type, const ChipVersion& v) {
  const ChipConstantSet* set = ChipConstantSetFor(type);
  if (!set) return;
  for (int k = 1; k <= kChipMaskCount; ++k) constants.masks[k] = set->masks[k - 1];
  for (int k = 1; k < kChipAddressCount; ++k)
    if (set->addresses[k - 1] != kUnchanged) constants.addresses[k] = set->addresses[k - 1];
  for (int k = kChipWordFirst; k <= kChipWordLast; ++k)
    constants.words[k] = set->words[k - kChipWordFirst];
  if (type == 3) {
    int32_t a10 = Address10ForVersion(v);
    if (a10) constants.addresses[10] = a10;
  }
}

std::array<int32_t, 100>* Table(UseTable t) {
  auto& c = State().counts;
  switch (t) {
    case UseTable::Codec: return &c.codec;
    case UseTable::Dsp: return &c.dsp;
    case UseTable::Param: return &c.param;
    case UseTable::ApiGroup: return &c.apiGroup;
  }
  return nullptr;
}

}  // namespace

bool LinkHeld() { return State().linkHeld; }
void SetLinkHeld(bool held) { State().linkHeld = held; }
int32_t ChipType() { return State().chipType; }
void SetChipType(int32_t chipType) { State().chipType = chipType; }

bool ApiFlag(int n) { return n >= 1 && n <= 5 && (State().apiFlags >> (n - 1)) & 1; }

void SetApiFlag(int n, bool on) {
  if (n < 1 || n > 5) return;
  auto bit = ApiFlagSet(1u << (n - 1));
  State().apiFlags = on ? ApiFlagSet(State().apiFlags | bit) : ApiFlagSet(State().apiFlags & ~bit);
}

void ClearApiFlags() { State().apiFlags = 0; }
ApiFlagSet ApiFlags() { return State().apiFlags; }

const ChipConstantTable& ChipConstants() { return State().constants; }
void SetChipConstants(int32_t chipType, const ChipVersion& version) {
  State().SetConstants(chipType, version);
}

const UseCountTables& ModuleUseCounts() { return State().counts; }
void ClearModuleUseCounts() { State().counts = UseCountTables{}; }

int32_t CountUse(UseTable table, int index, bool on) {
  auto* t = Table(table);
  if (!t || index < 0 || index >= int(t->size())) return 0;
  int32_t& n = (*t)[std::size_t(index)];
  if (on) ++n;
  else if (n > 0) --n;
  return n;
}

int32_t UseCount(UseTable table, int index) {
  auto* t = Table(table);
  if (!t || index < 0 || index >= int(t->size())) return 0;
  return (*t)[std::size_t(index)];
}

const std::optional<ChipIdentity>& LastKnownIdentity() { return State().lastKnown; }
void SetLastKnownIdentity(const ChipIdentity& id) { State().lastKnown = id; }

void ResetHandsetState() { State() = HandsetState(); }

}  // namespace vt
