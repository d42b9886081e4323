// One command, one transaction: the exact messages on the wire, the held
// link, answers parsed from the emulated handset, and a link that is down or
// goes away.
#include "EmulatedHandset.h"

using namespace vt;
using vt::testing::EmulatedHandset;
using vt::testing::Lines_;

using Transactions = EmulatedHandset;

TEST_F(Transactions, PeekTravelsAsOneTransactionWritesFetchNoAnswer) {
  Start(3);
  Handset().SetMemory(4168, 0x1234);
  EXPECT_EQ(Peek(4168), 0x1234);
  Poke(15043, -2);
  WriteArea(4, 87, 1000);
  EXPECT_EQ(Wire(), (Lines_{"0000->Request ", "UART->01000bbl peek 4168\\r\\n", "0000->?UART ",
                            "0000->Release ", "0000->Request ",
                            "UART->01000bbl poke 15043 -2\\r\\n", "0000->Release ",
                            "0000->Request ", "UART->01000bbl auwrm 4 87 1000\\r\\n",
                            "0000->Release "}));
  EXPECT_EQ(Handset().Memory(15043), 0xFFFEu);
  EXPECT_EQ(Handset().WrittenWord(4, 87), 1000);
}

TEST_F(Transactions, HeldLinkSkipsRequestAndRelease) {
  Start(1);
  HoldLink();
  EXPECT_TRUE(LinkHeld());
  Peek(7599);
  WriteArea(5, 0, 4);
  HoldLink();  // holds are not counted
  UnholdLink();
  EXPECT_FALSE(LinkHeld());
  EXPECT_EQ(Wire(), (Lines_{"0000->Request ", "UART->01000bbl peek 7599\\r\\n", "0000->?UART ",
                            "UART->01000bbl auwrm 5 0 4\\r\\n", "0000->Request ",
                            "0000->Release "}));
  // A scoped hold leaves an outer hold in place.
  HoldLink();
  { LinkHold inner; }
  EXPECT_TRUE(LinkHeld());
  UnholdLink();
}

TEST_F(Transactions, ReadsParseTheHandsetsAnswers) {
  Start(3);
  Handset().SetMemory(502, 0xFFFF);
  EXPECT_EQ(Peek(502), 65535);
  Handset().SetMemory(0x7000A050, 0x01000000);
  EXPECT_EQ(PeekLong(kMicGroundPeekAddress), 0x01000000u);
  Handset().SetRegister(0x70002030, 0x0000F000);
  EXPECT_EQ(DbgRead("0x70002030"), 0xF000u);
  EXPECT_EQ(Lines(), (Lines_{"bbl peek 502", "bbl peek 0x7000A050", "dbg read 0x70002030"}));
}

TEST_F(Transactions, LinkDownReadsZeroAndSendsNothing) {
  Start(3);
  Handset().SetMemory(4168, 77);
  SetLink(nullptr);
  EXPECT_EQ(Peek(4168), 0);
  Poke(4168, 1);
  SetDspOverride(3, true);
  EXPECT_TRUE(Lines().empty());
  EXPECT_TRUE(Wire().empty());
  EXPECT_EQ(Handset().Memory(4168), 77u);
}

TEST_F(Transactions, LostLinkGivesZeroWithoutHanging) {
  Start(1);
  Handset().SetMemory(7599, 5);
  SetLinkWaitMs(300);
  HoldLink();
  EXPECT_EQ(ReadStatusWord(0), 5);
  StopServer();  // the server goes away under a held link
  EXPECT_EQ(ReadStatusWord(0), 0);
  EXPECT_FALSE(LinkUp(Link()));
  EXPECT_EQ(ReadDspItem(3), 0);
  UnholdLink();
  EXPECT_FALSE(LinkHeld());
}
