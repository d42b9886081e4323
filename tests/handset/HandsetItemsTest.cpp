// Codec and DSP items, overrides and apply sequences, parameter access:
// the exact shell lines the emulated handset receives, in order.
#include "EmulatedHandset.h"

using namespace vt;
using vt::testing::EmulatedHandset;
using vt::testing::Lines_;

using Items = EmulatedHandset;
using Params = EmulatedHandset;

TEST_F(Items, DspOverrideIsCountedAndCopiesTheBuiltInWordFirst) {
  Start(1);
  Handset().SetBuiltInWord(5, 4, 0x1234);
  // DSP item 3: bit 4, apply mask 256.
  SetDspOverride(3, true);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 14", "bbl aurdb 5 4", "bbl auwrm 5 4 4660",
                             "bbl auwrm 2 14 16"}));
  // The copy and the status write share one grant; the hold is given back.
  EXPECT_EQ(Wire(), (Lines_{"0000->Request ", "UART->01000bbl aurdm 2 14\\r\\n", "0000->?UART ",
                            "0000->Release ", "0000->Request ",
                            "UART->01000bbl aurdb 5 4\\r\\n", "0000->?UART ",
                            "UART->01000bbl auwrm 5 4 4660\\r\\n",
                            "UART->01000bbl auwrm 2 14 16\\r\\n", "0000->Release "}));
  EXPECT_FALSE(LinkHeld());
  EXPECT_EQ(Handset().WrittenWord(5, 4), 0x1234);
  EXPECT_TRUE(Handset().StatusBit(5, 4));

  Mark();
  SetDspOverride(3, true);  // bit already set: no second copy
  SetDspOverride(3, false);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 14", "bbl auwrm 2 14 16", "bbl aurdm 2 14",
                             "bbl auwrm 2 14 16"}));
  EXPECT_TRUE(Handset().StatusBit(5, 4));
  EXPECT_EQ(ModuleUseCounts().dsp[3], 1);

  Mark();
  SetDspOverride(3, false);  // count reaches 0: bit cleared, item re-applied
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 14", "bbl auwrm 2 14 0", "bbl auwrm 5 0 256",
                             "bbl aurdm 2 14", "bbl auwrm 2 14 1", "bbl auwrm 1 0 4",
                             "bbl auwrm 5 0 0", "bbl auwrm 2 14 0"}));
  EXPECT_FALSE(Handset().StatusBit(5, 4));
  EXPECT_EQ(Handset().ApplyCount(4), 1);
}

TEST_F(Items, ApplySequencesAreExact) {
  Start(1);
  Handset().SetWrittenWord(2, 15, 0x0100);
  ApplyCodec(2);
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 6 0 4", "bbl aurdm 2 15", "bbl auwrm 2 15 257",
                             "bbl auwrm 1 0 8", "dbg wait 40", "bbl auwrm 2 15 256"}));
  EXPECT_EQ(Handset().ApplyCount(8), 1);
  EXPECT_EQ(Handset().Applies().back().mask, 4);
  Mark();
  ApplyCodec(11);
  EXPECT_EQ(Lines().front(), "bbl auwrm 6 0 4096");
  Mark();
  ApplyDsp(0);
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 5 0 8192", "bbl aurdm 2 14", "bbl auwrm 2 14 1",
                             "bbl auwrm 1 0 4", "bbl auwrm 5 0 0", "bbl auwrm 2 14 0"}));
  Mark();
  ApplyParams();
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 1 0 2", "bbl auwrm 5 0 128", "bbl aurdm 2 14",
                             "bbl auwrm 2 14 1", "bbl auwrm 1 0 4", "bbl auwrm 5 0 0",
                             "bbl auwrm 2 14 0"}));
  EXPECT_EQ(Handset().ApplyCount(2), 1);
}

TEST_F(Items, CodecItemsUseTheirBitAsIndex) {
  Start(1);
  Handset().SetBuiltInWord(6, 5, 0x00A5);
  EXPECT_EQ(ReadCodecItem(4), 0xA5);
  WriteCodecItem(4, 0x5A);
  SetCodecOverride(4, true);
  EXPECT_EQ(ReadCodecItem(4), 0x5A);
  SetCodecOverride(4, false);
  SetCodecOverride(4, false);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 15", "bbl aurdb 6 5", "bbl auwrm 6 5 90",
                             "bbl aurdm 2 15", "bbl auwrm 2 15 32", "bbl aurdm 2 15",
                             "bbl aurdm 6 5", "bbl aurdm 2 15", "bbl auwrm 2 15 0",
                             "bbl aurdm 2 15", "bbl auwrm 2 15 0"}));
  EXPECT_EQ(ModuleUseCounts().codec[4], 0);
  Mark();
  ReadDspItemInForce(7);
  ReadDspItemBuiltIn(6);
  WriteDspItem(6, -1);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 5 7", "bbl aurdb 5 2", "bbl auwrm 5 2 -1"}));
}

TEST_F(Params, AreaFourReadFollowsTheStatusBit) {
  Start(1);
  Handset().SetBuiltInWord(4, 87, 1234);
  EXPECT_EQ(ReadParam(5, 0), 1234);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 6", "bbl aurdb 4 87"}));
  Mark();
  Handset().SetWrittenWord(2, 6, 1 << 7);
  Handset().SetWrittenWord(4, 87, 0xFFF0);
  EXPECT_EQ(ToSigned16(ReadParam(5, 0)), -16);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 6", "bbl aurdm 4 87"}));
}

TEST_F(Params, Id16MovesUpOnChipType1) {
  Start(1);
  ReadParam(16, 35);
  ReadParam(16, 36);
  ReadParam(16, 38);
  WriteParam(16, 37, 9);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 10", "bbl aurdb 4 147", "bbl aurdm 2 11",
                             "bbl aurdb 4 161", "bbl aurdm 2 12", "bbl aurdb 4 179",
                             "bbl auwrm 4 162 9"}));
  Mark();
  SetParamOverride(16, true);
  auto lines = Lines();
  ASSERT_EQ(lines.size(), 78u);  // a read and a write per word
  EXPECT_EQ(lines[0], "bbl aurdm 2 8");
  EXPECT_EQ(lines[1], "bbl auwrm 2 8 1");
  EXPECT_EQ(lines[72], "bbl aurdm 2 11");  // offset 36: word 161
  EXPECT_EQ(lines[77], "bbl auwrm 2 12 8");  // offset 38: word 179, bit 3
  EXPECT_TRUE(Handset().StatusBit(4, 147));
  EXPECT_FALSE(Handset().StatusBit(4, 148));  // word of id 17
  EXPECT_TRUE(Handset().StatusBit(4, 161));
  EXPECT_TRUE(Handset().StatusBit(4, 179));
  SetParamOverride(16, false);
  EXPECT_FALSE(Handset().StatusBit(4, 161));
}

TEST_F(Params, Id16StaysInPlaceOnChipType3) {
  Start(3);
  SetChipType(3);
  ReadParam(16, 38);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 11", "bbl aurdb 4 172"}));
}

TEST_F(Params, ApiIdsArePlainAddressesWithoutTheFlags) {
  Start(3);
  SetChipType(3);
  Handset().SetMemory(502, 0x0102);
  EXPECT_EQ(ReadParam(101, 0), 0x0102);
  WriteParam(101, 2, 7);
  SetParamOverride(101, true);  // nothing to switch on a plain address
  EXPECT_EQ(Lines(), (Lines_{"bbl peek 502", "bbl poke 504 7"}));
  EXPECT_EQ(ModuleUseCounts().apiGroup[3], 0);
}

TEST_F(Params, ApiIdsUseAreaEightAndGroupBitsWithTheFlags) {
  Start(3);
  SetChipType(3);
  SetApiFlag(1, true);
  Handset().SetWrittenWord(7, 0, 0xF000);  // bits above the twelve groups stay
  Handset().SetBuiltInWord(8, 24, 11);
  EXPECT_EQ(ReadParam(101, 0), 11);
  WriteParam(101, 0, 22);
  SetParamOverride(101, true);
  SetParamOverride(112, true);
  EXPECT_EQ(ReadParam(101, 0), 22);
  SetParamOverride(101, false);
  SetParamOverride(101, false);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 7 0", "bbl aurdb 8 24", "bbl auwrm 8 24 22",
                             "bbl aurdm 7 0", "bbl auwrm 7 0 61448", "bbl aurdm 7 0",
                             "bbl auwrm 7 0 61449", "bbl aurdm 7 0", "bbl aurdm 8 24",
                             "bbl aurdm 7 0", "bbl auwrm 7 0 61441", "bbl aurdm 7 0",
                             "bbl auwrm 7 0 61441"}));
  // Id 146 needs no flag; on chip type 3 it is area-8 word 61.
  ClearApiFlags();
  Mark();
  WriteParam(146, 0, 3);
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 8 61 3"}));
}

TEST_F(Params, ParamOverrideSetsEveryWordOfTheId) {
  Start(1);
  Handset().SetWrittenWord(2, 6, 0x8000);
  SetParamOverride(3, true);  // word 86: area 2 word 6, bit 6
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 6", "bbl auwrm 2 6 32832"}));
  Mark();
  SetParamOverride(19, true);  // no words: only counted
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(ModuleUseCounts().param[19], 1);
}

TEST_F(Params, StatusWordsArePeekedByChipType) {
  Start(3);
  SetChipType(3);
  Handset().SetMemory(3642, 0x0010);
  EXPECT_EQ(ReadStatusWord(3), 16);
  EXPECT_EQ(ReadStatusWord(9), 0);  // no such status word
  SetChipType(1);
  ReadStatusWord(8);
  EXPECT_EQ(Lines(), (Lines_{"bbl peek 3642", "bbl peek 62982"}));
}
