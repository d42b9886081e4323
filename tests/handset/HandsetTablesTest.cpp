// Rules of the lookup tables and the module-wide state, without a link.
#include <gtest/gtest.h>

#include "handset/HandsetState.h"
#include "handset/HandsetTables.h"

using namespace vt;

namespace {
ApiFlagSet Flags(std::initializer_list<int> ns) {
  ApiFlagSet s = 0;
  for (int n : ns) s = ApiFlagSet(s | (1 << (n - 1)));
  return s;
}
}  // namespace

TEST(HandsetTables, EntriesOutsideTheTablesTouchNothing) {
  EXPECT_EQ(CodecItem(15).statusMask, 0);
  EXPECT_EQ(DspItem(10).applyMask, 0);
  EXPECT_EQ(DspItem(-1).bit, 0);
  EXPECT_EQ(DspItem(6).bit, DspItem(1).bit);  // items 1 and 6 share a bit
  int32_t a = 0;
  EXPECT_FALSE(StatusAddress(3, 9, a));
  EXPECT_FALSE(StatusAddress(2, 0, a));
  EXPECT_EQ(ParamKindFor(19, 0), 0);
  EXPECT_EQ(ParamKindFor(255, 0x1F), 0);
  EXPECT_EQ(ParamBaseFor(200, 3, 0x1F, 0), 0);
  EXPECT_EQ(ParamBaseFor(5, 2, 0, 0), 0);
}

// Flag rules beyond those the parameter tests reach through the handset.
TEST(HandsetTables, ApiIdsNeedFlagOneAndTheirOwnFlag) {
  EXPECT_EQ(ParamKindFor(124, Flags({1})), -1);
  EXPECT_EQ(ParamKindFor(145, Flags({1, 2, 3, 4})), -1);
  EXPECT_EQ(ParamKindFor(145, Flags({1, 5})), 1);
  EXPECT_EQ(ParamBaseFor(124, 3, Flags({1, 2}), 0), 32);
  EXPECT_EQ(ParamBaseFor(120, 1, 0x1F, 0), 15051) << "chip type 1 keeps 112 to 120 on plain addresses";
}

TEST(HandsetState, ChipConstantsStartAndFollowChipTypeAndVersion) {
  ResetHandsetState();
  EXPECT_EQ(ChipType(), 1);
  EXPECT_EQ(ChipConstants().Address(10), 15569);
  EXPECT_EQ(ChipConstants().Mask(8), 0);  // outside the table
  // Applied in this order. Address 10 on chip type 3 (the identification
  // tests read the 15569 / 15585 boundaries) is left as it was below 3.2.7.6;
  // chip type 1 leaves it alone; a chip type without constants changes nothing.
  const struct {
    int chip;
    ChipVersion v;
    int32_t address10, address1;
  } steps[] = {{3, {4, 0, 0, 0}, 15585, 6072}, {3, {3, 2, 7, 5}, 15585, 6072},
               {1, {5, 28, 0, 0}, 15585, 15052}, {2, {9, 9, 9, 9}, 15585, 15052}};
  for (const auto& c : steps) {
    SetChipConstants(c.chip, c.v);
    EXPECT_EQ(ChipConstants().Address(10), c.address10) << c.v.a << "." << c.v.b << "." << c.v.c
                                                        << "." << c.v.d;
    EXPECT_EQ(ChipConstants().Address(1), c.address1);
  }
  ResetHandsetState();
}

TEST(HandsetState, UseCountsNeverGoBelowZeroAndClearTogether) {
  ResetHandsetState();
  EXPECT_EQ(CountUse(UseTable::Dsp, 3, false), 0);
  EXPECT_EQ(CountUse(UseTable::Dsp, 3, true), 1);
  EXPECT_EQ(CountUse(UseTable::ApiGroup, 11, true), 1);
  EXPECT_EQ(CountUse(UseTable::Param, 100, true), 0);  // outside the table
  ClearModuleUseCounts();
  EXPECT_EQ(ModuleUseCounts().dsp[3] + ModuleUseCounts().apiGroup[11], 0);
  SetApiFlag(9, true);  // no such flag
  EXPECT_EQ(ApiFlags(), 0);
}
