#include "handset/HandsetParams.h"

#include "handset/HandsetCommands.h"
#include "handset/HandsetState.h"
#include "handset/HandsetTables.h"

namespace vt {

namespace {

constexpr int kFirstApiId = 100;   // ids from here use area 7/8 when not plain
constexpr int kFirstArea8Id = 101;  // writes go to area 8 from here

// The area word of offset `offset` of an id that has words.
int32_t AreaWord(uint8_t id, int32_t offset) {
  return ParamBase(id) + offset + ParamWordShift(id, ChipType(), offset);
}

// Area 2 word and bit that tell whether area-4 word w is in force.
int32_t StatusWordOf(int32_t w) { return (w >> 4) + 1; }
int32_t StatusBitOf(int32_t w) { return int32_t(1) << (w & 15); }

}  // namespace

int32_t ParamKind(uint8_t id) { return ParamKindFor(id, ApiFlags()); }

int32_t ParamBase(uint8_t id) {
  return ParamBaseFor(id, ChipType(), ApiFlags(), ChipConstants().Address(10));
}

int32_t ReadParam(uint8_t id, int32_t offset) {
  if (ParamKind(id) <= 0) return Peek(ParamBase(id) + offset);
  int32_t w = AreaWord(id, offset);
  if (id >= kFirstApiId) {
    int group = 0;
    int32_t bit = 0;
    ApiGroupOf(id, group, bit);
    bool inForce = ReadArea(kAreaApiGroups, 0, false) & bit;
    return ReadArea(kAreaApi, w, !inForce);
  }
  bool inForce = ReadArea(kAreaStatus, StatusWordOf(w), false) & StatusBitOf(w);
  return ReadArea(kAreaParams, w, !inForce);
}

void WriteParam(uint8_t id, int32_t offset, int32_t value) {
  if (ParamKind(id) <= 0) {
    Poke(ParamBase(id) + offset, value);
    return;
  }
  WriteArea(id >= kFirstArea8Id ? kAreaApi : kAreaParams, AreaWord(id, offset), value);
}

void SetParamOverride(uint8_t id, bool on) {
  int32_t kind = ParamKind(id);
  if (id >= kFirstApiId) {
    if (kind <= 0) return;
    int group = 0;
    int32_t bit = 0;
    if (!ApiGroupOf(id, group, bit)) return;
    CountUse(UseTable::ApiGroup, group, on);
    int32_t word = ReadArea(kAreaApiGroups, 0, false) & ~kApiGroupBits;
    for (int g = 0; g < kApiGroupCount; ++g)
      if (UseCount(UseTable::ApiGroup, g) > 0) word |= ApiGroupBit(g);
    WriteArea(kAreaApiGroups, 0, word);
    return;
  }
  bool inForce = CountUse(UseTable::Param, id, on) > 0;
  for (int32_t offset = 0; offset < kind; ++offset) {
    int32_t w = AreaWord(id, offset);
    int32_t status = ReadArea(kAreaStatus, StatusWordOf(w), false) & ~StatusBitOf(w);
    if (inForce) status |= StatusBitOf(w);
    WriteArea(kAreaStatus, StatusWordOf(w), status);
  }
}

int32_t ReadStatusWord(int index) {
  int32_t address = 0;
  if (!StatusAddress(ChipType(), index, address)) return 0;
  return Peek(address);
}

}  // namespace vt
