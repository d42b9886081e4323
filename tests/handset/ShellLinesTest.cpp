#include <gtest/gtest.h>

#include "handset/Identify.h"
#include "handset/ShellLines.h"

using namespace vt;

TEST(ShellLines, CommandLinesAreExact) {
  EXPECT_EQ(PokeLine(65514, -3), "bbl poke 65514 -3\r\n");
  EXPECT_EQ(AreaReadLine(4, 87, true), "bbl aurdb 4 87\r\n");
  EXPECT_EQ(IdentWordLine(3), "bbl shread16 0x0003\r\n");
}

TEST(ShellLines, AnswersParse) {
  // ':' ParseColonValue (six characters after "]: ", or from the third on
  // without it), ']' ParseBracketValue (after "] ", or from the second on),
  // 'L' ParseColonLongValue (ten characters after "]: ").
  const struct {
    char parser;
    const char* answer;
    int64_t value;
  } cases[] = {
      {':', "bbl peek 4168\r\n[0x1048]: 0x1234\r\n", 0x1234}, {':', "[4168]: -12", -12},
      {':', "[1]: 12345678", 123456},   // a longer number is cut
      {':', "[a]: 7 [b]: 9", 7},  // the first marker counts
      // Blanks and line ends around the value; no number reads as 0.
      {':', "[x]: \t0x2A ", 42}, {':', "", 0}, {':', "call to an API failed", 0},
      {':', "ab123456789", 123456},  // without the marker: six characters from the third on
      {']', "bbl aurdm 2 6\r\n[2:6] 0x0040\r\n", 0x40}, {']', "[4:87]  77 \r\n", 77},
      {']', "[8:56] call to an API failed\r\n", 0},
      {']', "x1234567", 123456},  // without the marker: from the second on
      {'L', "[r]: 4294967295", 4294967295}, {'L', "[r]: 0xFFFFFFFF", 0xFFFFFFFF}, {'L', "[r]: nonsense!", 0},
  };
  for (const auto& c : cases) {
    int64_t value = c.parser == ':'   ? ParseColonValue(c.answer)
                    : c.parser == ']' ? ParseBracketValue(c.answer)
                                      : int64_t(ParseColonLongValue(c.answer));
    EXPECT_EQ(value, c.value) << c.parser << " " << c.answer;
  }
}

TEST(ShellLines, ToSigned16) {
  for (auto [word, value] : {std::pair{65535, -1}, {32767, 32767}, {32768, -32768}, {0, 0}})
    EXPECT_EQ(ToSigned16(word), value) << word;
}

TEST(ShellLines, IdentWordsSplitIntoChipTypeAndVersion) {
  EXPECT_EQ(DecodeIdentWords(0x0303, 0x8004, 0x0000), (ChipIdentity{3, {3, 4, 8, 0}}));
  EXPECT_EQ(DecodeIdentWords(0x0105, 0x001C, 0x0007), (ChipIdentity{1, {5, 28, 0, 7}}));
  EXPECT_EQ(DecodeIdentWords(0x0304, 0x7FFF, 0xFF06), (ChipIdentity{3, {4, 4095, 7, 6}}));
}
