// The lookup tables and the module-wide state, without a link.
#include <gtest/gtest.h>

#include "target/HandsetParams.h"
#include "target/HandsetState.h"
#include "target/HandsetTables.h"

using namespace vt;

namespace {
constexpr ApiFlagSet kAllFlags = 0x1F;
constexpr ApiFlagSet Flags(std::initializer_list<int> ns) {
  ApiFlagSet s = 0;
  for (int n : ns) s = ApiFlagSet(s | (1 << (n - 1)));
  return s;
}
}  // namespace

TEST(HandsetTables, ItemBitsAndApplyMasks) {
  EXPECT_EQ(CodecItem(0).bit, 1);
  EXPECT_EQ(CodecItem(14).bit, 15);
  EXPECT_EQ(CodecItem(9).applyMask, 512);
  EXPECT_EQ(CodecItem(10).applyMask, 2048);  // 1024 is skipped
  EXPECT_EQ(CodecItem(14).applyMask, 32768);
  const int dspBits[] = {1, 2, 3, 4, 5, 6, 2, 7, 8, 9};
  const int dspMasks[] = {8192, 1, 16, 256, 32, 64, 4, 128, 128, 128};
  for (int i = 0; i < kDspItemCount; ++i) {
    EXPECT_EQ(DspItem(i).bit, dspBits[i]) << i;
    EXPECT_EQ(DspItem(i).applyMask, dspMasks[i]) << i;
    EXPECT_EQ(DspItem(i).statusMask, 1 << dspBits[i]) << i;
  }
  // Outside the tables: nothing to set.
  EXPECT_EQ(CodecItem(15).statusMask, 0);
  EXPECT_EQ(DspItem(10).applyMask, 0);
  EXPECT_EQ(DspItem(-1).bit, 0);
}

TEST(HandsetTables, StatusAddressesByChipType) {
  int32_t a = 0;
  ASSERT_TRUE(StatusAddress(1, 0, a));
  EXPECT_EQ(a, 7599);
  ASSERT_TRUE(StatusAddress(1, 8, a));
  EXPECT_EQ(a, 62982);
  ASSERT_TRUE(StatusAddress(3, 0, a));
  EXPECT_EQ(a, 4168);
  ASSERT_TRUE(StatusAddress(3, 4, a));
  EXPECT_EQ(a, 3642);
  EXPECT_FALSE(StatusAddress(3, 9, a));
  EXPECT_FALSE(StatusAddress(3, -1, a));
  EXPECT_FALSE(StatusAddress(2, 0, a));
}

TEST(HandsetTables, ParamKindFollowsTheApiFlags) {
  EXPECT_EQ(ParamKindFor(0, 0), 33);
  EXPECT_EQ(ParamKindFor(2, 0), 20);
  EXPECT_EQ(ParamKindFor(16, 0), 39);
  EXPECT_EQ(ParamKindFor(18, 0), 7);
  EXPECT_EQ(ParamKindFor(19, 0), 0);
  EXPECT_EQ(ParamKindFor(24, 0), 6);
  EXPECT_EQ(ParamKindFor(26, kAllFlags), 0);
  EXPECT_EQ(ParamKindFor(100, kAllFlags), 0);
  EXPECT_EQ(ParamKindFor(101, 0), -1);
  EXPECT_EQ(ParamKindFor(123, Flags({1})), 1);
  EXPECT_EQ(ParamKindFor(124, Flags({1})), -1);
  EXPECT_EQ(ParamKindFor(124, Flags({1, 2})), 1);
  EXPECT_EQ(ParamKindFor(125, Flags({1, 2})), -1);
  EXPECT_EQ(ParamKindFor(125, Flags({1, 3})), 2);
  EXPECT_EQ(ParamKindFor(140, Flags({4})), -1);  // flag 1 is needed too
  EXPECT_EQ(ParamKindFor(140, Flags({1, 4})), 1);
  EXPECT_EQ(ParamKindFor(145, Flags({1, 2, 3, 4})), -1);
  EXPECT_EQ(ParamKindFor(145, kAllFlags), 1);
  EXPECT_EQ(ParamKindFor(146, 0), 1);
  EXPECT_EQ(ParamKindFor(151, 0), 1);
  EXPECT_EQ(ParamKindFor(152, kAllFlags), 0);
  EXPECT_EQ(ParamKindFor(255, kAllFlags), 0);
}

TEST(HandsetTables, ParamBaseByChipTypeAndFlags) {
  EXPECT_EQ(ParamBaseFor(5, 1, 0, 0), 87);
  EXPECT_EQ(ParamBaseFor(5, 3, 0, 0), 97);
  EXPECT_EQ(ParamBaseFor(16, 1, 0, 0), 112);
  EXPECT_EQ(ParamBaseFor(16, 3, 0, 0), 134);
  EXPECT_EQ(ParamBaseFor(22, 3, 0, 0), 86);
  EXPECT_EQ(ParamBaseFor(24, 1, 0, 0), 0);
  EXPECT_EQ(ParamBaseFor(25, 3, 0, 0), 179);
  // Chip type 1 keeps its API ids on plain addresses.
  EXPECT_EQ(ParamBaseFor(112, 1, kAllFlags, 0), 15043);
  EXPECT_EQ(ParamBaseFor(120, 1, 0, 0), 15051);
  EXPECT_EQ(ParamBaseFor(101, 1, 0, 0), 0);
  // Chip type 3: area-8 words with the flags, plain addresses without.
  EXPECT_EQ(ParamBaseFor(101, 3, 0, 0), 502);
  EXPECT_EQ(ParamBaseFor(105, 3, Flags({1}), 0), 28);
  EXPECT_EQ(ParamBaseFor(111, 3, 0, 0), 501);
  EXPECT_EQ(ParamBaseFor(112, 3, 0, 0), 65514);
  EXPECT_EQ(ParamBaseFor(120, 3, Flags({1}), 0), 8);
  EXPECT_EQ(ParamBaseFor(121, 3, 0, 0), 0);
  EXPECT_EQ(ParamBaseFor(122, 3, Flags({1}), 0), 14);
  EXPECT_EQ(ParamBaseFor(124, 3, Flags({1}), 0), 6338);
  EXPECT_EQ(ParamBaseFor(124, 3, Flags({1, 2}), 0), 32);
  EXPECT_EQ(ParamBaseFor(125, 3, Flags({1}), 15585), 15585);
  EXPECT_EQ(ParamBaseFor(125, 3, Flags({1, 3}), 15585), 39);
  EXPECT_EQ(ParamBaseFor(133, 3, 0, 0), 65049);
  EXPECT_EQ(ParamBaseFor(133, 3, Flags({1, 4}), 0), 48);
  EXPECT_EQ(ParamBaseFor(139, 3, 0, 0), 65057);
  EXPECT_EQ(ParamBaseFor(135, 3, Flags({1, 4}), 0), 41);
  EXPECT_EQ(ParamBaseFor(143, 3, 0, 0), 6347);
  EXPECT_EQ(ParamBaseFor(145, 3, kAllFlags, 0), 60);
  EXPECT_EQ(ParamBaseFor(151, 3, 0, 0), 66);
  EXPECT_EQ(ParamBaseFor(200, 3, kAllFlags, 0), 0);
  EXPECT_EQ(ParamBaseFor(5, 2, 0, 0), 0);
}

TEST(HandsetTables, Id16WordsMoveUpOnChipType1Only) {
  EXPECT_EQ(ParamWordShift(16, 1, 35), 0);
  EXPECT_EQ(ParamWordShift(16, 1, 36), 13);  // base 125
  EXPECT_EQ(ParamWordShift(16, 1, 37), 13);
  EXPECT_EQ(ParamWordShift(16, 1, 38), 29);  // base 141
  EXPECT_EQ(ParamWordShift(16, 3, 38), 0);
  EXPECT_EQ(ParamWordShift(17, 1, 38), 0);
}

TEST(HandsetTables, ApiGroups) {
  int g = -1;
  int32_t bit = 0;
  ASSERT_TRUE(ApiGroupOf(112, g, bit));
  EXPECT_EQ(g, 0);
  EXPECT_EQ(bit, 1);
  ASSERT_TRUE(ApiGroupOf(101, g, bit));
  EXPECT_EQ(g, 3);
  EXPECT_EQ(bit, 8);
  ASSERT_TRUE(ApiGroupOf(151, g, bit));
  EXPECT_EQ(g, 11);
  EXPECT_EQ(bit, 2048);
  EXPECT_FALSE(ApiGroupOf(100, g, bit));
  EXPECT_FALSE(ApiGroupOf(152, g, bit));
  EXPECT_EQ(ApiGroupBit(7), 128);
  EXPECT_EQ(ApiGroupBit(12), 0);
}

TEST(HandsetState, StartsAsAtLoad) {
  ResetHandsetState();
  EXPECT_EQ(ChipType(), 1);
  EXPECT_FALSE(LinkHeld());
  EXPECT_EQ(ApiFlags(), 0);
  EXPECT_EQ(ChipConstants().Mask(1), 256);
  EXPECT_EQ(ChipConstants().Mask(7), 32768);
  EXPECT_EQ(ChipConstants().Address(3), 30829);
  EXPECT_EQ(ChipConstants().Address(10), 15569);
  EXPECT_EQ(ChipConstants().Word(11), 8192);
  EXPECT_EQ(ChipConstants().Word(16), 10);
  EXPECT_EQ(ChipConstants().Mask(0), 0);
  EXPECT_EQ(ChipConstants().Word(10), 0);
  EXPECT_EQ(ChipConstants().Address(11), 0);
}

TEST(HandsetState, ChipConstantsFollowChipTypeAndVersion) {
  ResetHandsetState();
  SetChipConstants(3, {3, 2, 7, 6});
  EXPECT_EQ(ChipConstants().Mask(1), 0);
  EXPECT_EQ(ChipConstants().Mask(5), 1024);
  EXPECT_EQ(ChipConstants().Address(1), 6072);
  EXPECT_EQ(ChipConstants().Address(4), 65514);
  EXPECT_EQ(ChipConstants().Address(9), 29056);
  EXPECT_EQ(ChipConstants().Address(10), 15569);
  EXPECT_EQ(ChipConstants().Word(11), 8);
  EXPECT_EQ(ChipConstants().Word(16), 0);
  const struct {
    ChipVersion v;
    int32_t address10;
  } cases[] = {
      {{4, 0, 0, 0}, 15585}, {{3, 3, 0, 0}, 15585}, {{3, 2, 9, 0}, 15585},
      {{3, 2, 8, 4}, 15585}, {{3, 2, 7, 6}, 15569},
  };
  for (const auto& c : cases) {
    SetChipConstants(1, {});
    SetChipConstants(3, c.v);
    EXPECT_EQ(ChipConstants().Address(10), c.address10) << c.v.a << "." << c.v.b << "." << c.v.c;
  }
  // Versions outside both rules leave address 10 as it was.
  SetChipConstants(3, {4, 0, 0, 0});
  SetChipConstants(3, {3, 2, 8, 3});
  EXPECT_EQ(ChipConstants().Address(10), 15585);
  SetChipConstants(3, {3, 2, 7, 6});
  SetChipConstants(3, {3, 1, 0, 0});
  EXPECT_EQ(ChipConstants().Address(10), 15569);
  // Chip type 1 leaves address 3 and address 10 alone.
  SetChipConstants(3, {4, 0, 0, 0});
  SetChipConstants(1, {5, 28, 0, 0});
  EXPECT_EQ(ChipConstants().Address(3), 30829);
  EXPECT_EQ(ChipConstants().Address(10), 15585);
  EXPECT_EQ(ChipConstants().Address(1), 15052);
  EXPECT_EQ(ChipConstants().Mask(7), 32768);
  // A chip type without constants changes nothing.
  SetChipConstants(2, {9, 9, 9, 9});
  EXPECT_EQ(ChipConstants().Address(1), 15052);
}

TEST(HandsetState, UseCountsNeverGoBelowZeroAndClearTogether) {
  ResetHandsetState();
  EXPECT_EQ(CountUse(UseTable::Dsp, 3, false), 0);
  EXPECT_EQ(CountUse(UseTable::Dsp, 3, true), 1);
  EXPECT_EQ(CountUse(UseTable::Dsp, 3, true), 2);
  EXPECT_EQ(CountUse(UseTable::Codec, 14, true), 1);
  EXPECT_EQ(CountUse(UseTable::Param, 99, true), 1);
  EXPECT_EQ(CountUse(UseTable::ApiGroup, 11, true), 1);
  EXPECT_EQ(CountUse(UseTable::Param, 100, true), 0);  // outside the table
  EXPECT_EQ(CountUse(UseTable::Param, -1, true), 0);
  EXPECT_EQ(ModuleUseCounts().dsp[3], 2);
  ClearModuleUseCounts();
  EXPECT_EQ(ModuleUseCounts().dsp[3], 0);
  EXPECT_EQ(ModuleUseCounts().codec[14], 0);
  EXPECT_EQ(ModuleUseCounts().param[99], 0);
  EXPECT_EQ(ModuleUseCounts().apiGroup[11], 0);
}

TEST(HandsetState, ParamKindAndBaseUseTheModuleState) {
  ResetHandsetState();
  SetChipType(3);
  EXPECT_EQ(ParamKind(101), -1);
  EXPECT_EQ(ParamBase(101), 502);
  SetApiFlag(1, true);
  EXPECT_TRUE(ApiFlag1());
  EXPECT_EQ(ParamKind(101), 1);
  EXPECT_EQ(ParamBase(101), 24);
  SetChipConstants(3, {4, 0, 0, 0});
  EXPECT_EQ(ParamBase(125), 15585);
  SetApiFlag(9, true);  // no such flag
  EXPECT_FALSE(ApiFlag(9));
  ResetHandsetState();
}
