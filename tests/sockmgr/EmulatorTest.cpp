// The emulated handset's shell: identification, memory areas and their status
// bits, the API failure answer, plain addresses, dbg registers, bad lines.
#include <gtest/gtest.h>

#include "sockmgr/emulator/HandsetEmulator.h"
#include "handset/ShellLines.h"

using vt::sockmgr::HandsetEmulator;

TEST(Emulator, WordInForceFollowsTheStatusBits) {
  HandsetEmulator h(1);
  // Codec item 3 lives at area 6 index 4; its status bit is bit 4 of area 2 word 15.
  EXPECT_EQ(h.Execute("bbl auwrm 6 4 -2\r\n"), "auwrm 6 4 65534 ok\r\n");
  EXPECT_EQ(h.Execute("bbl aurdm 6 4\r\n"), "aurdm [6 4] 0x00FF\r\n");  // built-in in force
  h.Execute("bbl auwrm 2 15 16\r\n");
  EXPECT_EQ(h.Execute("bbl aurdm 6 4\r\n"), "aurdm [6 4] 0xFFFE\r\n");
  EXPECT_EQ(h.Execute("bbl aurdb 6 4\r\n"), "aurdb [6 4] 0x00FF\r\n");
  // Parameter word 87 by bit 7 of area 2 word 6, DSP items (area 5) by area 2
  // word 14, tone words (area 3) by area 2 word 0.
  const struct {
    int area, index, value, statusWord, status, builtIn;
  } words[] = {{4, 87, 1234, 6, 128, 32752}, {5, 3, 160, 14, 8, 0}, {3, 8, 31, 0, 65535, 0}};
  for (const auto& w : words) {
    SCOPED_TRACE(w.area);
    h.Execute(vt::AreaWriteLine(w.area, w.index, w.value));
    EXPECT_FALSE(h.StatusBit(w.area, w.index));
    EXPECT_EQ(h.WordInForce(w.area, w.index), w.builtIn);
    h.Execute(vt::AreaWriteLine(2, w.statusWord, w.status));
    EXPECT_TRUE(h.StatusBit(w.area, w.index));
    EXPECT_EQ(h.WordInForce(w.area, w.index), w.value);
  }
  EXPECT_EQ(h.WordInForce(4, 86), 32767);  // bit 6 of area 2 word 6 still clear
}

// The levels by firmware are read through the module's probe (handset tests).
TEST(Emulator, ApiFailureAnswersReadsAndWritesWithoutAValue) {
  HandsetEmulator q711(1);
  for (const char* line : {"bbl aurdm 8 0\r\n", "bbl auwrm 8 0 5\r\n"}) {
    const std::string refused = q711.Execute(line);
    EXPECT_NE(refused.find("call to an API failed"), std::string::npos) << refused;
    EXPECT_EQ(refused.find("] "), std::string::npos) << refused;
  }
  EXPECT_EQ(q711.WrittenWord(8, 0), 0);
  q711.SetApiLevel(2);
  EXPECT_EQ(q711.Execute("bbl aurdm 8 32\r\n").find("call to an API failed"), std::string::npos);
  EXPECT_NE(q711.Execute("bbl aurdm 8 39\r\n").find("call to an API failed"), std::string::npos);
}

TEST(Emulator, PlainAddressesAndRegisters) {
  HandsetEmulator h(3);
  EXPECT_EQ(h.Execute("bbl poke 7000 -1\r\n"), "poke 7000 ok\r\n");
  EXPECT_EQ(h.Execute("bbl peek 7000\r\n"), "peek [7000]: 0xFFFF\r\n");
  h.SetMemory(0x7000A050, 0x01000000);
  EXPECT_EQ(h.Execute("bbl peek 0x7000A050\r\n"), "peek [1879089232]: 0x01000000\r\n");

  EXPECT_EQ(h.Execute("dbg write 0x70002030 0x0000F000\r\n"), "dbg write ok\r\n");
  EXPECT_EQ(h.Execute("dbg read 0x70002030\r\n"), "dbg read [0x70002030]: 0x0000F000\r\n");
}

TEST(Emulator, BadInputGetsAnErrorText) {
  HandsetEmulator h(1);
  const char* bad[] = {"bbl peek\r\n",       "bbl peek x12\r\n",   "bbl poke 10 70000\r\n",
                       "bbl aurdm 9 0\r\n",   "bbl aurdm 4 200\r\n", "bbl auwrm 4 1 -32769\r\n",
                       "dbg wait forever\r\n", "\x01\xff\x80garbage\r\n"};
  for (const char* line : bad) {
    std::string answer = h.Execute(line);
    EXPECT_EQ(answer.rfind("error: ", 0), 0u) << line << " -> " << answer;
    EXPECT_EQ(answer.substr(answer.size() - 2), "\r\n");
    EXPECT_EQ(answer.find("]: "), std::string::npos);
  }
  EXPECT_EQ(h.Execute("hello\r\n"), "error: unknown command \"hello\"\r\n");
  EXPECT_EQ(h.Execute(std::string(100000, 'x')).substr(0, 7), "error: ");
  EXPECT_EQ(h.Execute("\r\n"), "\r\n");
  EXPECT_THROW(HandsetEmulator(2), std::invalid_argument) << "no chip type 2";
}
