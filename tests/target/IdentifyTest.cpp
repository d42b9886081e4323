// Identification against emulated firmwares: the words read, the area-8
// probe, the chip constants, and the fall-back without a handset.
#include "EmulatedHandset.h"

using namespace vt;
using vt::testing::EmulatedHandset;
using Lines_ = std::vector<std::string>;

using Identify = EmulatedHandset;

TEST_F(Identify, Chip3FirmwaresSetTheApiFlagsInProbeOrder) {
  const struct {
    sockmgr::FirmwareVersion version;
    Lines_ probe;
    int flags;
  } cases[] = {
      {{3, 4, 8, 0}, {"bbl aurdm 8 56"}, 5},
      {{3, 4, 7, 0}, {"bbl aurdm 8 56", "bbl aurdm 8 41"}, 4},
      {{3, 4, 6, 0}, {"bbl aurdm 8 56", "bbl aurdm 8 41", "bbl aurdm 8 39"}, 3},
      {{3, 4, 1, 2}, {"bbl aurdm 8 56", "bbl aurdm 8 41", "bbl aurdm 8 39", "bbl aurdm 8 32"}, 2},
      {{3, 2, 7, 6},
       {"bbl aurdm 8 56", "bbl aurdm 8 41", "bbl aurdm 8 39", "bbl aurdm 8 32", "bbl aurdm 8 0"},
       1},
      {{3, 2, 0, 0},
       {"bbl aurdm 8 56", "bbl aurdm 8 41", "bbl aurdm 8 39", "bbl aurdm 8 32", "bbl aurdm 8 0"},
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.version.ToString());
    Start(3, c.version);
    SetApiFlag(1, true);  // a stale flag must not survive
    ChipIdentity id = IdentifyChip();
    EXPECT_EQ(id, (ChipIdentity{3, {c.version.A, c.version.B, c.version.C, c.version.D}}));
    Lines_ expected = {"bbl shread16 0x0001", "bbl shread16 0x0002", "bbl shread16 0x0003"};
    expected.insert(expected.end(), c.probe.begin(), c.probe.end());
    EXPECT_EQ(Lines(), expected);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(ApiFlag(n), n <= c.flags) << "flag " << n;
    EXPECT_EQ(ChipType(), 3);
    Disconnect();
  }
}

TEST_F(Identify, WholeIdentificationRunsUnderOneGrant) {
  Start(3, {3, 4, 8, 0});
  IdentifyChip();
  auto wire = Wire();
  ASSERT_EQ(wire.size(), 10u);  // request, 4 x (line, query), release
  EXPECT_EQ(wire.front(), "0000->Request ");
  EXPECT_EQ(wire[1], "UART->01000bbl shread16 0x0001\\r\\n");
  EXPECT_EQ(wire.back(), "0000->Release ");
  EXPECT_FALSE(LinkHeld());
}

TEST_F(Identify, ChipConstantsFollowTheFirmware) {
  Start(3, {3, 2, 7, 6});
  IdentifyChip();
  EXPECT_EQ(ChipConstants().Address(10), 15569);
  EXPECT_EQ(ChipConstants().Mask(3), 512);
  EXPECT_EQ(ChipConstants().Word(11), 8);
  Disconnect();
  Start(3, {3, 2, 8, 3});
  SetChipConstants(3, {4, 0, 0, 0});
  IdentifyChip();  // neither rule holds: address 10 stays
  EXPECT_EQ(ChipConstants().Address(10), 15585);
  Disconnect();
  Start(3, {3, 2, 8, 4});
  IdentifyChip();
  EXPECT_EQ(ChipConstants().Address(10), 15585);
  // Only flag 1 on this firmware: id 125 sits on the plain address 10.
  EXPECT_EQ(ParamBase(125), 15585);
}

TEST_F(Identify, Chip1ClearsTheFlagsWithoutProbing) {
  Start(1, {5, 22, 2, 0});
  for (int n = 1; n <= 5; ++n) SetApiFlag(n, true);
  EXPECT_EQ(IdentifyChip(), (ChipIdentity{1, {5, 22, 2, 0}}));
  EXPECT_EQ(Lines().size(), 3u);
  EXPECT_EQ(ApiFlags(), 0);
  EXPECT_EQ(ChipConstants().Mask(1), 256);
  EXPECT_EQ(ChipConstants().Word(16), 10);
}

TEST_F(Identify, LinkDownFallsBackToTheCurrentChipType) {
  ResetHandsetState();
  SetLink(nullptr);
  EXPECT_EQ(IdentifyChip(), (ChipIdentity{1, {5, 28, 0, 0}}));
  SetChipType(3);
  SetApiFlag(1, true);
  SetApiFlag(2, true);
  EXPECT_EQ(IdentifyChip(), (ChipIdentity{3, {3, 4, 8, 0}}));
  EXPECT_EQ(ApiFlags(), 0x03);  // kept: nothing was asked
  EXPECT_EQ(ChipConstants().Address(1), 6072);
  EXPECT_EQ(ChipConstants().Address(10), 15585);
  ResetHandsetState();
}

TEST_F(Identify, QuickIdentificationTakesTheDefaultWithoutAHandset) {
  ResetHandsetState();
  SetLink(nullptr);
  EXPECT_EQ(IdentifyChipQuick(3), (ChipIdentity{3, {3, 4, 6, 0}}));
  EXPECT_EQ(ChipType(), 3);
  EXPECT_EQ(ChipConstants().Mask(2), 256);
  EXPECT_EQ(IdentifyChipQuick(1), (ChipIdentity{1, {5, 28, 0, 0}}));
  EXPECT_EQ(ChipType(), 1);
  ResetHandsetState();
}

TEST_F(Identify, QuickIdentificationReadsTheHandsetWhenThereIsOne) {
  Start(3, {3, 4, 1, 2});
  EXPECT_EQ(IdentifyChipQuick(1), (ChipIdentity{3, {3, 4, 1, 2}}));
  EXPECT_EQ(ChipType(), 3);
  EXPECT_EQ(Lines(), (Lines_{"bbl shread16 0x0001", "bbl shread16 0x0002", "bbl shread16 0x0003"}));
}
