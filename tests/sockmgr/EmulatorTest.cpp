// The emulated handset's shell: identification, memory areas and their status
// bits, the API levels of area 8 by firmware, plain addresses, dbg registers,
// and its answers read back by the module's own parsers.
#include <gtest/gtest.h>

#include <set>

#include "sockmgr/emulator/BuiltInImages.h"
#include "sockmgr/emulator/HandsetEmulator.h"
#include "handset/HandsetTables.h"
#include "handset/ShellLines.h"

using vt::sockmgr::ApiLevelFor;
using vt::sockmgr::FirmwareVersion;
using vt::sockmgr::HandsetEmulator;

namespace {

bool ApiFails(HandsetEmulator& h, int index) {
  return h.Execute("bbl aurdm 8 " + std::to_string(index) + "\r\n").find("call to an API failed") !=
         std::string::npos;
}

}  // namespace

// The words of other versions are read back through the module's own
// identification (handset tests); here the answer's form and the defaults.
TEST(Emulator, IdentificationWordsByChipAndVersion) {
  EXPECT_EQ(HandsetEmulator(3, {3, 2, 7, 6}).Execute("bbl shread16 0x0002\r\n"),
            "shread16 [0x0002]: 0x7002\r\n");
  EXPECT_EQ(HandsetEmulator(1).IdWord(2), 0x001C);  // chip 1 defaults to 5.28.0.0
  EXPECT_EQ(HandsetEmulator(3).IdWord(2), 0x8004);  // chip 3 defaults to 3.4.8.0
  EXPECT_THROW(HandsetEmulator(2), std::invalid_argument);
}

TEST(Emulator, FirmwareVersionText) {
  FirmwareVersion v;
  ASSERT_TRUE(FirmwareVersion::Parse("3.4.8.0", v));
  EXPECT_EQ(v, (FirmwareVersion{3, 4, 8, 0}));
  EXPECT_EQ(v.ToString(), "3.4.8.0");
  ASSERT_TRUE(FirmwareVersion::Parse("255.4095.15.255", v));
  for (const char* bad : {"", "3.4.8", "3.4.8.0.1", "3.4.16.0", "256.0.0.0", "a.b.c.d", "3..8.0",
                          "-1.4.8.0", "0x3.4.8.0", "3.4.8.0 "})
    EXPECT_FALSE(FirmwareVersion::Parse(bad, v)) << bad;
  EXPECT_LT((FirmwareVersion{3, 2, 8, 3}), (FirmwareVersion{3, 4, 1, 2}));
}

TEST(Emulator, BuiltInImagesAreTheInitDasWords) {
  HandsetEmulator q711(1), q710(3);
  const uint16_t codec[16] = {32767, 2020, 520, 119, 255, 0, 0, 0, 144, 0, 2, 883, 1, 124, 0, 0};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(q711.BuiltInWord(6, i), codec[i]) << i;
    EXPECT_EQ(q710.BuiltInWord(6, i), codec[i]) << i;
  }
  // A few words that differ between the two images, the ends, and how many
  // parameter words are not zero.
  const struct {
    int chip, index, word;
  } words[] = {{1, 86, 32767},  {3, 86, 16384}, {1, 116, 53392}, {3, 138, 53392},
               {1, 180, 32767}, {3, 189, 32702}, {1, 189, 0}};
  for (const auto& w : words)
    EXPECT_EQ((w.chip == 1 ? q711 : q710).BuiltInWord(4, w.index), w.word) << w.index;
  int nonZero1 = 0, nonZero3 = 0;
  for (int i = 0; i < 190; ++i) {
    nonZero1 += q711.BuiltInWord(4, i) != 0;
    nonZero3 += q710.BuiltInWord(4, i) != 0;
  }
  EXPECT_EQ(nonZero1, 66);
  EXPECT_EQ(nonZero3, 65);
  // Read over the shell: aurdb gives the built-in word as four hex digits.
  EXPECT_EQ(q711.Execute("bbl aurdb 4 116\r\n"), "aurdb [4 116] 0xD090\r\n");
}

TEST(Emulator, WordInForceFollowsTheStatusBits) {
  HandsetEmulator h(1);
  // Codec item 3 lives at area 6 index 4; its status bit is bit 4 of area 2 word 15.
  EXPECT_EQ(h.Execute("bbl auwrm 6 4 -2\r\n"), "auwrm 6 4 65534 ok\r\n");
  EXPECT_EQ(h.Execute("bbl aurdm 6 4\r\n"), "aurdm [6 4] 0x00FF\r\n");  // built-in in force
  h.Execute("bbl auwrm 2 15 16\r\n");
  EXPECT_EQ(h.Execute("bbl aurdm 6 4\r\n"), "aurdm [6 4] 0xFFFE\r\n");
  EXPECT_EQ(h.Execute("bbl aurdb 6 4\r\n"), "aurdb [6 4] 0x00FF\r\n");
  EXPECT_EQ(h.Execute("bbl aurdm 2 15\r\n"), "aurdm [2 15] 0x0010\r\n");
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

TEST(Emulator, AreaEightGroupsFollowAreaSevenWordZero) {
  HandsetEmulator h(3);
  h.SetBuiltInWord(8, 45, 111);
  h.Execute("bbl auwrm 8 45 222\r\n");  // word of parameter id 126: group 7
  EXPECT_EQ(vt::ParseBracketValue(h.Execute("bbl aurdm 8 45\r\n")), 111);
  h.Execute("bbl auwrm 7 0 128\r\n");
  EXPECT_TRUE(h.StatusBit(8, 45));
  EXPECT_EQ(vt::ParseBracketValue(h.Execute("bbl aurdm 8 45\r\n")), 222);
  EXPECT_EQ(vt::ParseBracketValue(h.Execute("bbl aurdb 8 45\r\n")), 111);
  EXPECT_FALSE(h.StatusBit(8, 0));  // group 0, bit 1 of area 7 word 0 is clear
  h.Execute("bbl auwrm 7 0 2049\r\n");
  EXPECT_TRUE(h.StatusBit(8, 66));  // id 151: group 11
  EXPECT_TRUE(h.StatusBit(8, 8));
  EXPECT_FALSE(h.StatusBit(8, 45));
}

TEST(Emulator, ApiLevelsByFirmwareAndTheFailureAnswer) {
  struct Case {
    FirmwareVersion v;
    int level;
  } cases[] = {{{3, 4, 8, 0}, 5}, {{4, 0, 0, 0}, 5}, {{3, 4, 7, 0}, 4}, {{3, 4, 6, 0}, 3},
               {{3, 4, 1, 2}, 2}, {{3, 2, 7, 2}, 1}, {{3, 2, 7, 1}, 0}, {{2, 9, 0, 0}, 0}};
  // How the module's probe reads these levels is the identification's test.
  for (const auto& c : cases) EXPECT_EQ(HandsetEmulator(3, c.v).ApiLevel(), c.level) << c.v.ToString();
  HandsetEmulator q711(1);
  EXPECT_EQ(ApiLevelFor(1, FirmwareVersion{5, 28, 0, 0}), 0);
  EXPECT_TRUE(ApiFails(q711, 0));
  // The failure text answers writes too, and carries no value marker.
  std::string refused = q711.Execute("bbl auwrm 8 0 5\r\n");
  EXPECT_NE(refused.find("call to an API failed"), std::string::npos);
  EXPECT_EQ(refused.find("] "), std::string::npos);
  EXPECT_EQ(q711.WrittenWord(8, 0), 0);
  // Configurable per test.
  q711.SetApiLevel(2);
  EXPECT_FALSE(ApiFails(q711, 32));
  EXPECT_TRUE(ApiFails(q711, 39));
}

TEST(Emulator, PlainAddressesAndRegisters) {
  HandsetEmulator h(3);
  EXPECT_EQ(h.Execute("bbl poke 7000 -1\r\n"), "poke 7000 ok\r\n");
  EXPECT_EQ(h.Execute("bbl peek 7000\r\n"), "peek [7000]: 0xFFFF\r\n");
  h.SetMemory(0x7000A050, 0x01000000);
  EXPECT_EQ(h.Execute("bbl peek 0x7000A050\r\n"), "peek [1879089232]: 0x01000000\r\n");

  EXPECT_EQ(h.Execute("dbg write 0x70002030 0x0000F000\r\n"), "dbg write ok\r\n");
  EXPECT_EQ(h.Execute("dbg read 0x70002030\r\n"), "dbg read [0x70002030]: 0x0000F000\r\n");

  // Status addresses of chip type 3 wander; a poked value stands still.
  std::set<int32_t> seen;
  for (int i = 0; i < 5; ++i) seen.insert(vt::ParseColonValue(h.Execute("bbl peek 4168\r\n")));
  EXPECT_GE(seen.size(), 4u);
  for (int v : seen) EXPECT_LE(v, 16384);
  h.Execute("bbl poke 4168 77\r\n");
  EXPECT_EQ(vt::ParseColonValue(h.Execute("bbl peek 4168\r\n")), 77);
}

TEST(Emulator, StatusAddressesStandByIndexAsTheModulePeeksThem) {
  for (int chip : {1, 3}) {
    const std::vector<uint32_t> emulated = HandsetEmulator(chip).StatusAddresses();
    ASSERT_EQ(emulated.size(), 9u);
    for (int i = 0; i < 9; ++i) {
      int32_t address = 0;
      EXPECT_TRUE(vt::StatusAddress(chip, i, address) && uint32_t(address) == emulated[size_t(i)])
          << chip << " " << i << " " << address;
    }
  }
}

TEST(Emulator, BadInputGetsAnErrorText) {
  HandsetEmulator h(1);
  const char* bad[] = {"bbl peek\r\n",          "bbl peek x12\r\n",    "bbl peek -1\r\n",
                       "bbl poke 10 70000\r\n",  "bbl aurdm 9 0\r\n",   "bbl aurdm 0 0\r\n",
                       "bbl aurdm 4 200\r\n",    "bbl auwrm 4 1\r\n",   "bbl auwrm 4 1 -32769\r\n",
                       "dbg read\r\n",           "dbg wait forever\r\n", "bbl\r\n",
                       "\x01\xff\x80garbage\r\n"};
  for (const char* line : bad) {
    std::string answer = h.Execute(line);
    EXPECT_EQ(answer.rfind("error: ", 0), 0u) << line << " -> " << answer;
    EXPECT_EQ(answer.substr(answer.size() - 2), "\r\n");
    EXPECT_EQ(answer.find("]: "), std::string::npos);
  }
  EXPECT_EQ(h.Execute("hello\r\n"), "error: unknown command \"hello\"\r\n");
  EXPECT_EQ(h.Execute(std::string(100000, 'x')).substr(0, 7), "error: ");
  EXPECT_EQ(h.Execute("\r\n"), "\r\n");
  EXPECT_EQ(h.WrittenWord(4, 1), 0);
}
