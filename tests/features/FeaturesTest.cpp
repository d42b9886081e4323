// Which controls a firmware has, from its chip type and version alone.
#include <gtest/gtest.h>

#include "handset/FirmwareFeatures.h"

using namespace vt;

namespace {
FirmwareFeatures Of(int chip, int a, int b, int c, int d) {
  return FeaturesOf(ChipIdentity{chip, ChipVersion{a, b, c, d}});
}
}  // namespace

TEST(Features, V1AndV2OnChipOne) {
  EXPECT_FALSE(Of(1, 5, 23, 9, 0).v1);  // 23 is neither >= 24 nor 22 with C >= 2
  EXPECT_TRUE(Of(1, 5, 22, 2, 0).v1);
  EXPECT_FALSE(Of(1, 5, 22, 1, 0).v1);
  EXPECT_FALSE(Of(1, 5, 22, 2, 0).v2);
  EXPECT_TRUE(Of(1, 5, 24, 2, 0).v2);
  EXPECT_FALSE(Of(1, 5, 24, 1, 0).v2);
  EXPECT_FALSE(Of(1, 6, 28, 0, 0).v1);  // only A = 5 counts on chip one
  EXPECT_TRUE(Of(3, 2, 0, 0, 0).v1);
  EXPECT_FALSE(Of(3, 1, 99, 9, 9).v2);
}

TEST(Features, ExtendedEchoRowsNeedTheRightBuild) {
  EXPECT_FALSE(Of(3, 3, 2, 8, 3).extendedEcParams);
  EXPECT_TRUE(Of(3, 3, 2, 8, 4).extendedEcParams);
  EXPECT_TRUE(Of(3, 3, 2, 7, 6).extendedEcParams);
  EXPECT_FALSE(Of(3, 3, 2, 7, 5).extendedEcParams);
  EXPECT_TRUE(Of(3, 3, 3, 0, 0).extendedEcParams);
  EXPECT_FALSE(Of(1, 5, 28, 0, 0).extendedEcParams);  // never on chip one
}

TEST(Features, AcceleratorAndBoosterFromVersionThreeFour) {
  EXPECT_FALSE(Of(3, 3, 4, 6, 9).convergenceAccelerator);
  EXPECT_TRUE(Of(3, 3, 4, 7, 0).convergenceAccelerator);
  EXPECT_FALSE(Of(3, 3, 4, 7, 0).voiceBoosterAndHarmonizers);
  EXPECT_TRUE(Of(3, 3, 4, 8, 0).voiceBoosterAndHarmonizers);
  FirmwareFeatures four = Of(3, 4, 0, 0, 0);
  EXPECT_TRUE(four.extendedEcParams && four.convergenceAccelerator &&
              four.voiceBoosterAndHarmonizers);
  // The groups of version 3 need A to be exactly 3.
  EXPECT_FALSE(four.dlNoiseSuppressor || four.ulDynNoiseGate || four.dynamicSelectiveEs);
}

TEST(Features, VersionThreeGroupsHaveTheirThresholds) {
  EXPECT_FALSE(Of(3, 3, 2, 7, 1).dlNoiseSuppressor);
  EXPECT_TRUE(Of(3, 3, 2, 7, 2).dlNoiseSuppressor);
  EXPECT_FALSE(Of(3, 3, 4, 1, 1).ulDynNoiseGate);
  EXPECT_TRUE(Of(3, 3, 4, 1, 2).ulDynNoiseGate);
  EXPECT_FALSE(Of(3, 3, 4, 5, 9).dynamicSelectiveEs);
  EXPECT_TRUE(Of(3, 3, 4, 6, 0).dynamicSelectiveEs);
  EXPECT_FALSE(Of(1, 3, 4, 6, 0).dynamicSelectiveEs);
}
