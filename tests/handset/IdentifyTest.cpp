// Identification against emulated firmwares: the words read, the area-8
// probe, the chip constants, and the fall-back without a handset.
#include "EmulatedHandset.h"

using namespace vt;
using vt::testing::EmulatedHandset;
using vt::testing::Lines_;

using Identify = EmulatedHandset;

TEST_F(Identify, FirmwaresSetTheApiFlagsInProbeOrderAndTheChipConstants) {
  // Chip type 3 probes area 8 at these indices, in this order, until one
  // answers; success at the n-th sets 6 - n flags. Chip type 1 never probes.
  const Lines_ probe = {"bbl aurdm 8 56", "bbl aurdm 8 41", "bbl aurdm 8 39", "bbl aurdm 8 32",
                        "bbl aurdm 8 0"};
  const struct {
    int chip;
    sockmgr::FirmwareVersion version;
    int flags;
    int32_t address10;  // from 15569 after the reset: 15585 from 3.2.8.4 on
  } cases[] = {{3, {3, 4, 8, 0}, 5, 15585}, {3, {3, 4, 7, 0}, 4, 15585},
               {3, {3, 4, 6, 0}, 3, 15585}, {3, {3, 4, 1, 2}, 2, 15585},
               {3, {3, 2, 8, 4}, 1, 15585}, {3, {3, 2, 8, 3}, 1, 15569},
               {3, {3, 2, 7, 6}, 1, 15569}, {3, {3, 2, 0, 0}, 0, 15569},
               {1, {5, 22, 2, 0}, 0, 15569}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version.ToString());
    Start(c.chip, c.version);
    for (int n = 1; n <= 5; ++n) SetApiFlag(n, true);  // stale flags must not survive
    ChipIdentity id = IdentifyChip();
    EXPECT_EQ(id, (ChipIdentity{c.chip, {c.version.A, c.version.B, c.version.C, c.version.D}}));
    Lines_ expected = {"bbl shread16 0x0001", "bbl shread16 0x0002", "bbl shread16 0x0003"};
    if (c.chip == 3)
      expected.insert(expected.end(), probe.begin(), probe.end() - std::max(0, c.flags - 1));
    EXPECT_EQ(Lines(), expected);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(ApiFlag(n), n <= c.flags) << "flag " << n;
    EXPECT_EQ(ChipType(), c.chip);
    EXPECT_EQ(ChipConstants().Address(10), c.address10);
    EXPECT_EQ(ChipConstants().Mask(3), c.chip == 3 ? 512 : 1024);
    EXPECT_EQ(ChipConstants().Word(11), c.chip == 3 ? 8 : 8192);
    // With flag 1 alone, id 125 sits on the plain address 10.
    EXPECT_TRUE(c.flags != 1 || ParamBase(125) == c.address10) << ParamBase(125);
    // The whole identification runs under one grant: a query per line.
    auto wire = Wire();
    ASSERT_EQ(wire.size(), 2 + 2 * expected.size());
    EXPECT_EQ(wire.front(), "0000->Request ");
    EXPECT_EQ(wire[1], "UART->01000bbl shread16 0x0001\\r\\n");
    EXPECT_EQ(wire[2], "0000->?UART ");
    EXPECT_EQ(wire.back(), "0000->Release ");
    EXPECT_FALSE(LinkHeld());
    Disconnect();
  }
}

TEST_F(Identify, LinkDownFallsBackToTheCurrentChipTypesDefaults) {
  ResetHandsetState();
  SetLink(nullptr);
  EXPECT_EQ(IdentifyChip(), (ChipIdentity{1, {5, 28, 0, 0}}));
  SetChipType(3);
  SetApiFlag(1, true);
  SetApiFlag(2, true);
  EXPECT_EQ(IdentifyChip(), (ChipIdentity{3, {3, 4, 8, 0}}));
  EXPECT_EQ(ApiFlags(), 0x03);  // kept: nothing was asked
  EXPECT_EQ(ChipConstants().Address(10), 15585);
  // The quick identification takes its own default, for the chip type asked.
  ResetHandsetState();
  EXPECT_EQ(IdentifyChipQuick(3), (ChipIdentity{3, {3, 4, 6, 0}}));
  EXPECT_EQ(ChipType(), 3);
  EXPECT_EQ(IdentifyChipQuick(1), (ChipIdentity{1, {5, 28, 0, 0}}));
  EXPECT_EQ(ChipType(), 1);
}

TEST_F(Identify, QuickIdentificationReadsTheHandsetWhenThereIsOne) {
  Start(3, {3, 4, 1, 2});
  EXPECT_EQ(IdentifyChipQuick(1), (ChipIdentity{3, {3, 4, 1, 2}}));
  EXPECT_EQ(ChipType(), 3);
  EXPECT_EQ(Lines(), (Lines_{"bbl shread16 0x0001", "bbl shread16 0x0002", "bbl shread16 0x0003"}));
}
