#include <gtest/gtest.h>

#include "target/Identify.h"
#include "target/ShellLines.h"

using namespace vt;

TEST(ShellLines, CommandLinesAreExact) {
  EXPECT_EQ(PokeLine(65514, -3), "bbl poke 65514 -3\r\n");
  EXPECT_EQ(AreaReadLine(4, 87, true), "bbl aurdb 4 87\r\n");
  EXPECT_EQ(IdentWordLine(3), "bbl shread16 0x0003\r\n");
}

TEST(ShellLines, ColonValueReadsHexAndDecimalAfterTheMarker) {
  EXPECT_EQ(ParseColonValue("bbl peek 4168\r\n[0x1048]: 0x1234\r\n"), 0x1234);
  EXPECT_EQ(ParseColonValue("[4168]: 4660"), 4660);
  EXPECT_EQ(ParseColonValue("[4168]: 0xFFFF\r\n> "), 65535);
  EXPECT_EQ(ParseColonValue("[4168]: -12"), -12);
  // Only six characters count: a longer number is cut.
  EXPECT_EQ(ParseColonValue("[1]: 12345678"), 123456);
  // The first "]: " counts.
  EXPECT_EQ(ParseColonValue("[a]: 7 [b]: 9"), 7);
}

TEST(ShellLines, ColonValueToleratesBlanksAndLineEnds) {
  EXPECT_EQ(ParseColonValue("[x]:  42\r\n"), 42);
  EXPECT_EQ(ParseColonValue("[x]: 42\r\n> "), 42);
  EXPECT_EQ(ParseColonValue("[x]: \t0x2A "), 42);
}

TEST(ShellLines, ColonValueOfOddAnswers) {
  EXPECT_EQ(ParseColonValue(""), 0);
  EXPECT_EQ(ParseColonValue("[x]: "), 0);
  EXPECT_EQ(ParseColonValue("[x]: \r\n"), 0);
  EXPECT_EQ(ParseColonValue("[x]: hello"), 0);
  EXPECT_EQ(ParseColonValue("call to an API failed"), 0);
  // Without the marker: six characters from the third on.
  EXPECT_EQ(ParseColonValue("ab123456789"), 123456);
  EXPECT_EQ(ParseColonValue("ab"), 0);
  EXPECT_EQ(ParseColonValue("a"), 0);
}

TEST(ShellLines, BracketValueUsesTheBlankMarker) {
  EXPECT_EQ(ParseBracketValue("bbl aurdm 2 6\r\n[2:6] 0x0040\r\n"), 0x40);
  EXPECT_EQ(ParseBracketValue("[4:87] 1000\r\n"), 1000);
  EXPECT_EQ(ParseBracketValue("[4:87]  77 \r\n"), 77);
  EXPECT_EQ(ParseBracketValue("[8:56] call to an API failed\r\n"), 0);
  EXPECT_EQ(ParseBracketValue(""), 0);
  // Without the marker: six characters from the second on.
  EXPECT_EQ(ParseBracketValue("x1234567"), 123456);
}

TEST(ShellLines, LongValueTakesTenCharacters) {
  EXPECT_EQ(ParseColonLongValue("[0x70002030]: 0x0000F000\r\n"), 0xF000u);
  EXPECT_EQ(ParseColonLongValue("[0x7000A050]: 0x01000000\r\n"), 0x01000000u);
  EXPECT_EQ(ParseColonLongValue("[r]: 0xFFFFFFFF"), 0xFFFFFFFFu);
  EXPECT_EQ(ParseColonLongValue("[r]: 4294967295"), 4294967295u);
  EXPECT_EQ(ParseColonLongValue("[r]:   0x10\r\n"), 0x10u);
  EXPECT_EQ(ParseColonLongValue(""), 0u);
  EXPECT_EQ(ParseColonLongValue("[r]: nonsense!"), 0u);
  // The six-character rule would cut this word.
  EXPECT_EQ(ParseColonValue("[r]: 0x01000000"), 0x0100);
}

TEST(ShellLines, ToSigned16) {
  EXPECT_EQ(ToSigned16(65535), -1);
  EXPECT_EQ(ToSigned16(32767), 32767);
  EXPECT_EQ(ToSigned16(32768), -32768);
  EXPECT_EQ(ToSigned16(0), 0);
}

TEST(ShellLines, IdentWordsSplitIntoChipTypeAndVersion) {
  EXPECT_EQ(DecodeIdentWords(0x0303, 0x8004, 0x0000), (ChipIdentity{3, {3, 4, 8, 0}}));
  EXPECT_EQ(DecodeIdentWords(0x0105, 0x001C, 0x0007), (ChipIdentity{1, {5, 28, 0, 7}}));
  EXPECT_EQ(DecodeIdentWords(0x0304, 0x7FFF, 0xFF06), (ChipIdentity{3, {4, 4095, 7, 6}}));
  EXPECT_EQ(DecodeIdentWords(0, 0, 0), (ChipIdentity{0, {0, 0, 0, 0}}));
}
