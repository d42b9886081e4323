#include "handset/HandsetTables.h"

namespace vt {

namespace {

// Codec items 0 to 14: bit n+1; apply mask 1 << n up to item 9, then the
// upper bits (1024 is never used).
constexpr ItemEntry kCodecItems[kCodecItemCount] = {
    {1, 1, 1 << 1},       {2, 2, 1 << 2},       {3, 4, 1 << 3},        {4, 8, 1 << 4},
    {5, 16, 1 << 5},      {6, 32, 1 << 6},      {7, 64, 1 << 7},       {8, 128, 1 << 8},
    {9, 256, 1 << 9},     {10, 512, 1 << 10},   {11, 2048, 1 << 11},   {12, 4096, 1 << 12},
    {13, 8192, 1 << 13},  {14, 16384, 1 << 14}, {15, 32768, 1 << 15},
};

// DSP items 0 to 9 (item 6 shares bit 2 with item 1).
constexpr ItemEntry kDspItems[kDspItemCount] = {
    {1, 8192, 1 << 1}, {2, 1, 1 << 2},   {3, 16, 1 << 3},  {4, 256, 1 << 4}, {5, 32, 1 << 5},
    {6, 64, 1 << 6},   {2, 4, 1 << 2},   {7, 128, 1 << 7}, {8, 128, 1 << 8}, {9, 128, 1 << 9},
};

// Peek addresses of the status words 0 to 8.
struct StatusAddressRow {
  int32_t chipType;
  int32_t addresses[kStatusWordCount];
};
constexpr StatusAddressRow kStatusAddresses[] = {
    {1, {7599, 62988, 62989, 63017, 63016, 62991, 62985, 62986, 62982}},
    {3, {4168, 63500, 63501, 3642, 3642, 63503, 63497, 63498, 63494}},
};

constexpr ChipConstantSet kChipConstantSets[] = {
    {1,
     {256, 512, 1024, 2048, 4096, 8192, 32768},
     {15052, 32871, kUnchanged, 15043, 13365, 4557, 4568, 4570, 29568},
     {8192, 4096, 1024, 2048, 3072, 10}},
    {3,
     {0, 256, 512, 8192, 1024, 0, 0},
     {6072, 30795, 30829, 65514, 15558, 4557, 4568, 4570, 29056},
     {8, 4, 1, 2, 3, 0}},
};

struct DefaultVersionRow {
  int32_t chipType;
  ChipVersion full;   // IdentifyChip
  ChipVersion quick;  // IdentifyChipQuick
};
constexpr DefaultVersionRow kDefaultVersions[] = {
    {1, {5, 28, 0, 0}, {5, 28, 0, 0}},
    {3, {3, 4, 8, 0}, {3, 4, 6, 0}},
};

constexpr ApiFlagSet Flags(int a, int b = 0) {
  return ApiFlagSet((a ? 1 << (a - 1) : 0) | (b ? 1 << (b - 1) : 0));
}

// Kind (word count) of parameter ids; API ids need the listed flags.
struct KindRow {
  int first, last;
  int32_t words;
  ApiFlagSet needs;
};
constexpr KindRow kKinds[] = {
    {0, 1, 33, 0},          {2, 2, 20, 0},          {3, 15, 1, 0},         {16, 16, 39, 0},
    {17, 17, 6, 0},         {18, 18, 7, 0},         {20, 21, 1, 0},        {22, 22, 10, 0},
    {23, 23, 3, 0},         {24, 24, 6, 0},         {25, 25, 5, 0},        {101, 123, 1, Flags(1)},
    {124, 124, 1, Flags(1, 2)}, {125, 125, 2, Flags(1, 3)}, {126, 140, 1, Flags(1, 4)},
    {141, 145, 1, Flags(1, 5)}, {146, 151, 1, 0},
};

// Bases of ids 0 to 25 (chip type 1, chip type 3).
constexpr int32_t kBasesChip1[26] = {0,   33,  66,  86,  88,  87,  89,  90,  91,
                                     97,  98,  101, 102, 103, 104, 105, 112, 148,
                                     154, 0,   167, 168, 169, 180, 0,   0};
constexpr int32_t kBasesChip3[26] = {0,   33,  66,  96,  98,  97,  99,  100, 101,
                                     112, 113, 118, 119, 120, 121, 122, 134, 173,
                                     184, 0,   128, 129, 86,  191, 194, 179};
constexpr int kPlainIdCount = 26;

// Chip type 1 API ids on plain addresses: 112 to 120 at 15043 to 15051.
constexpr int kChip1ApiFirst = 112, kChip1ApiLast = 120;
constexpr int32_t kChip1ApiAddress = 15043;

// Chip type 3 API ids: area-8 word when the id's flags are set, plain address
// otherwise; ranges count up from their first word and address.
constexpr int32_t kAddressFromChipConstant = -1;  // address 10 of the chip constants
struct ApiBaseRow {
  int first, last;
  int32_t word, address;
};
constexpr ApiBaseRow kApiBases[] = {
    {101, 105, 24, 502},   {106, 111, 18, 496},   {112, 120, 0, 65514}, {121, 121, 10, 0},
    {122, 122, 14, 0},     {123, 123, 29, 0},     {124, 124, 32, 6338},
    {125, 125, 39, kAddressFromChipConstant},
    {126, 126, 45, 65046}, {127, 127, 46, 65047}, {128, 128, 47, 65048}, {129, 129, 49, 65050},
    {130, 130, 50, 65051}, {131, 131, 51, 65052}, {132, 132, 52, 65053}, {133, 133, 48, 65049},
    {134, 134, 53, 65054}, {135, 135, 41, 65042}, {136, 136, 42, 65043}, {137, 137, 43, 65044},
    {138, 138, 44, 65045}, {139, 139, 54, 65057}, {140, 140, 55, 65058},
    {141, 145, 56, 6345},  {146, 151, 61, 0},
};

// Words moved beyond the words of the next ids (id 16 on chip type 1).
struct ShiftRow {
  int id;
  int32_t chipType, fromOffset, shift;
};
constexpr ShiftRow kWordShifts[] = {{16, 1, 38, 29}, {16, 1, 36, 13}};  // largest first

// API groups of parameter ids 101 to 151 (group, bit).
struct GroupRow {
  int first, last, group;
  int32_t bit;
};
constexpr GroupRow kApiGroups[] = {
    {112, 120, 0, 1},    {121, 122, 1, 2},    {106, 111, 2, 4},     {101, 105, 3, 8},
    {123, 123, 4, 16},   {124, 124, 5, 32},   {125, 125, 6, 64},    {126, 140, 7, 128},
    {141, 145, 8, 256},  {146, 148, 9, 512},  {149, 150, 10, 1024}, {151, 151, 11, 2048},
};

}  // namespace

ItemEntry CodecItem(int item) {
  if (item < 0 || item >= kCodecItemCount) return {};
  return kCodecItems[item];
}

ItemEntry DspItem(int item) {
  if (item < 0 || item >= kDspItemCount) return {};
  return kDspItems[item];
}

bool StatusAddress(int32_t chipType, int index, int32_t& address) {
  if (index < 0 || index >= kStatusWordCount) return false;
  for (const auto& row : kStatusAddresses) {
    if (row.chipType == chipType) {
      address = row.addresses[index];
      return true;
    }
  }
  return false;
}

const ChipConstantSet* ChipConstantSetFor(int32_t chipType) {
  for (const auto& set : kChipConstantSets)
    if (set.chipType == chipType) return &set;
  return nullptr;
}

bool DefaultVersion(int32_t chipType, bool quick, ChipVersion& version) {
  for (const auto& row : kDefaultVersions) {
    if (row.chipType == chipType) {
      version = quick ? row.quick : row.full;
      return true;
    }
  }
  return false;
}

int32_t ParamKindFor(int id, ApiFlagSet flags) {
  for (const auto& row : kKinds) {
    if (id < row.first || id > row.last) continue;
    return (flags & row.needs) == row.needs ? row.words : -1;
  }
  return 0;
}

int32_t ParamBaseFor(int id, int32_t chipType, ApiFlagSet flags, int32_t address10) {
  if (chipType == 1) {
    if (id >= 0 && id < kPlainIdCount) return kBasesChip1[id];
    if (id >= kChip1ApiFirst && id <= kChip1ApiLast) return kChip1ApiAddress + (id - kChip1ApiFirst);
    return 0;
  }
  if (chipType != 3) return 0;
  if (id >= 0 && id < kPlainIdCount) return kBasesChip3[id];
  for (const auto& row : kApiBases) {
    if (id < row.first || id > row.last) continue;
    int step = id - row.first;
    if (ParamKindFor(id, flags) > 0) return row.word + step;
    if (row.address == kAddressFromChipConstant) return address10;
    return row.address == 0 ? 0 : row.address + step;
  }
  return 0;
}

int32_t ParamWordShift(int id, int32_t chipType, int32_t offset) {
  for (const auto& row : kWordShifts)
    if (row.id == id && row.chipType == chipType && offset >= row.fromOffset) return row.shift;
  return 0;
}

bool ApiGroupOf(int id, int& group, int32_t& bit) {
  for (const auto& row : kApiGroups) {
    if (id >= row.first && id <= row.last) {
      group = row.group;
      bit = row.bit;
      return true;
    }
  }
  return false;
}

int32_t ApiGroupBit(int group) {
  for (const auto& row : kApiGroups)
    if (row.group == group) return row.bit;
  return 0;
}

}  // namespace vt
