// Parameter lists against the emulated handset: the exact lines of a section
// click, a resend and an uncheck (a bad row's are the tab's and the echo
// canceller's); each address kind; the filter and noise-suppressor extras;
// pasted rows; the memo round trip.
#include "HandsetLines.h"
#include "editors/ParamLists.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;
using vt::testing::operator+;
using vt::testing::kCommit;
using vt::testing::ApplyDspLines;

namespace {

const std::vector<std::string> kEsRows = {"UL_Gmin=0x0148", "UL_TauR=0x4100", "UL_TauD=0x7FBE",
                                          "DL_Gmin=0x0148", "DL_TauR=0x4100", "DL_TauD=0x7FBE"};

std::vector<std::string> FirRows() {
  std::vector<std::string> rows;
  for (int i = 0; i < 32; ++i) rows.push_back("a" + std::to_string(i) + (i == 15 ? "=0x7FFF" : "=0"));
  rows.push_back("gain=0x1000");
  return rows;
}

class ParamListTest : public vt::testing::EmulatedHandset {
 protected:
  ControlMap controls;
};

TEST(ParseWord, TakesSixteenBitDecimalNegativeAndHex) {
  const std::vector<std::pair<const char*, std::optional<int32_t>>> cases = {
      {"0x7FFF", 32767}, {"0xD090", 53392}, {"-18353", -18353}, {"65535", 65535},
      {"-32768", -32768}, {"65536", {}},    {"-32769", {}},     {"0x1G", {}},
      {"", {}},           {"12 ", {}}};
  for (const auto& [text, word] : cases) EXPECT_EQ(ParseWord(text), word) << text;
}

TEST_F(ParamListTest, EchoSuppressorClickResendAndUncheck) {
  Start(1);
  controls.SetList("ValueListEditor5", kEsRows);
  controls.SetChecked("CheckBox19", true);
  // Id 17 on chip type 1: area 4 words 148 to 153, status bits 4 to 9 of area 2 word 10.
  const Lines_ writes = {"bbl auwrm 4 148 328",   "bbl auwrm 4 149 16640", "bbl auwrm 4 150 32702",
                         "bbl auwrm 4 151 328",   "bbl auwrm 4 152 16640", "bbl auwrm 4 153 32702"};
  Lines_ enable, disable;
  for (int bits : {16, 48, 112, 240, 496, 1008})
    enable = enable + Lines_{"bbl aurdm 2 10", "bbl auwrm 2 10 " + std::to_string(bits)};
  for (int bits : {992, 960, 896, 768, 512, 0})
    disable = disable + Lines_{"bbl aurdm 2 10", "bbl auwrm 2 10 " + std::to_string(bits)};
  EXPECT_EQ(ListSectionClicked(EsList(), controls), "");
  EXPECT_EQ(Lines(), writes + enable + kCommit);
  Mark();
  EXPECT_EQ(ListResend(EsList(), controls), "");
  EXPECT_EQ(Lines(), writes + kCommit);
  Mark();
  controls.SetChecked("CheckBox19", false);
  EXPECT_EQ(ListSectionClicked(EsList(), controls), "");
  EXPECT_EQ(Lines(), disable);
}

// A list sent whole, row k holding k: area 4 for ids below 100 (by chip
// type), area 8 for the API ids, plain addresses without the API; one commit.
TEST_F(ParamListTest, EveryListSentWholeOnEachChipType) {
  const struct Case {
    const ParamList& list;
    int chip;
    bool api;
    const char* write;  // the line's head up to the word's address
    int base;
  } cases[] = {
      {EsList(), 3, false, "bbl auwrm 4 ", 173},  // 148 on chip type 1: the test above
      {DlNsList(), 3, true, "bbl auwrm 8 ", 32},
      {DlNsList(), 3, false, "bbl poke ", 6338},
  };
  for (const Case& c : cases) {
    Start(c.chip);
    SetChipType(c.chip);
    SetApiFlag(1, c.api);
    SetApiFlag(2, c.api);
    controls.SetList(c.list.list, vt::testing::Numbered(c.list.words));
    controls.SetChecked(c.list.checkBox, true);
    Mark();
    const std::string what = c.list.list + " on chip type " + std::to_string(c.chip);
    ASSERT_EQ(ListSectionClicked(c.list, controls), "") << what;
    Lines_ writes;
    for (int k = 0; k < c.list.words; ++k)
      writes.push_back(c.write + std::to_string(c.base + k) + " " + std::to_string(k + 1));
    const Lines_ lines = Lines();
    ASSERT_GE(lines.size(), writes.size()) << what;
    EXPECT_EQ(Lines_(lines.begin(), lines.begin() + long(writes.size())), writes) << what;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kCommit[0]), 1) << what;
    Disconnect();
  }
}

TEST_F(ParamListTest, DownlinkFirRewritesItsLengthAndDownlinkNsRestartsItem9) {
  Start(3);
  controls.SetList("ValueListEditor1", FirRows());
  controls.SetChecked("CheckBox9", true);
  controls.SetChecked("RadioButton19", true);  // "47 sym": code 0xA000
  Handset().SetWrittenWord(5, 4, 0x05A0);      // DSP item 3 in force, DL FIR on
  Handset().SetWrittenWord(2, 14, 0x0010);  // its status bit set: read as written
  SetChipType(3);
  Mark();
  ASSERT_EQ(ListResend(DlFirList(), controls), "");
  // The 33 words of id 1 (area 4 words 33 to 65 on chip type 3), the commit
  // with item 3's status bit set, then the length: (0x05A0 & 0x1F00) +
  // 0xA000 + 0xA0 = 0xA5A0, item 3 (mask 256) re-initialised.
  const Lines_ fir = Lines();
  ASSERT_EQ(fir.size(), 33u + 7 + 8);
  EXPECT_EQ(fir[32], "bbl auwrm 4 65 4096");
  EXPECT_EQ(Lines_(fir.begin() + 33, fir.end()),
            (Lines_{"bbl auwrm 1 0 2"} + ApplyDspLines(128, 16) +
             Lines_{"bbl aurdm 5 4", "bbl auwrm 5 4 42400"} + ApplyDspLines(256, 16)));

  controls.SetList("ValueListEditor10", {"Alpha=0", "Ln=1", "K=2", "TauR=3", "TauD=4",
                                         "Lamda=5", "TauF=6"});
  controls.SetChecked("CheckBox13", true);
  Handset().SetWrittenWord(2, 14, 0);
  Handset().SetBuiltInWord(5, 9, 0x0040);  // DSP item 9, status bit 0x0200 clear
  SetApiFlag(1, true);
  SetApiFlag(2, true);  // id 124: area 8 words 32 to 38
  Mark();
  ASSERT_EQ(ListResend(DlNsList(), controls), "");
  // Item 9 read (built-in), bit 1 set and written; the enable copies the
  // built-in word in and sets 0x0200; re-initialised (mask 128); released.
  const Lines_ restart = Lines_{"bbl aurdm 2 14", "bbl aurdb 5 9", "bbl auwrm 5 9 66",
                                "bbl aurdm 2 14", "bbl aurdb 5 9", "bbl auwrm 5 9 64",
                                "bbl auwrm 2 14 512"} +
                         ApplyDspLines(128, 512) + Lines_{"bbl aurdm 2 14", "bbl auwrm 2 14 0"};
  // A release re-initialises the item too.
  const Lines_ reinit = ApplyDspLines(128, 0);
  const Lines_ ns = Lines();
  ASSERT_GT(ns.size(), 7u);
  EXPECT_EQ(Lines_(ns.begin() + 7, ns.end()), kCommit + restart + reinit);
}

TEST_F(ParamListTest, PastedRowsFillTheirKeys) {
  controls.SetList("ValueListEditor5", kEsRows);
  EXPECT_EQ(PasteRows(controls, "ValueListEditor5", "  DL_TauD = 0x1234\r\nnoise\nUnknown=1\nUL_Gmin=-5\n"), 2);
  const auto rows = controls.ListRows("ValueListEditor5");
  EXPECT_EQ(rows[5].second, "0x1234");
  EXPECT_EQ(rows[0].second, "-5");
}

class ListMemoTest : public ::testing::Test, public vt::testing::MemoBench {
 protected:
  ControlMap controls;
};

// DL_FIR's "Length" key after its rows, and back into the radio buttons (the
// rows' round trip is the next test's).
TEST_F(ListMemoTest, DownlinkFirCarriesItsLength) {
  controls.SetList("ValueListEditor1", FirRows());
  controls.RadioGroup({"RadioButton18", "RadioButton19", "RadioButton20"});
  controls.SetChecked("RadioButton20", true);
  SendListToMemo(DlFirMemo(), controls, FrameState{1}, memo);
  ASSERT_EQ(lines.Data().size(), 36u);
  EXPECT_EQ(lines.Data()[34], "    Length=48");
  ControlMap other;
  other.RadioGroup({"RadioButton18", "RadioButton19", "RadioButton20"});
  GetListFromMemo(DlFirMemo(), memo, other, FrameState{1});
  EXPECT_TRUE(other.Checked("RadioButton20"));
}

// A list's section out to the memo and back into a list of other values,
// the texts kept as typed; DL_NS only while its group is on screen.
TEST_F(ListMemoTest, ListSectionsRoundTripWhileShown) {
  std::vector<std::string> rows, zeros;
  for (int k = 1; k <= 7; ++k) {
    const std::string key = "R" + std::to_string(k) + "=";
    rows.push_back(key + (k == 2 ? "0x01F4" : k == 3 ? "-7" : std::to_string(k)));
    zeros.push_back(key + "0");
  }
  controls.SetList(DlNsMemo().list, rows);
  controls.SetShown("GroupBox43", true);
  SendListToMemo(DlNsMemo(), controls, FrameState{3}, memo);
  EXPECT_EQ(lines.Data(), (std::vector<std::string>{"Begin DL_NS", "    R1=1", "    R2=0x01F4",
                                                    "    R3=-7", "    R4=4", "    R5=5", "    R6=6",
                                                    "    R7=7", "End DL_NS"}));
  ControlMap other;
  other.SetList(DlNsMemo().list, zeros);
  other.SetShown("GroupBox43", true);
  GetListFromMemo(DlNsMemo(), memo, other, FrameState{3});
  EXPECT_EQ(other.ListRows(DlNsMemo().list), controls.ListRows(DlNsMemo().list));
  lines.Assign({});
  controls.SetShown("GroupBox43", false);
  SendListToMemo(DlNsMemo(), controls, FrameState{3}, memo);
  EXPECT_TRUE(lines.Data().empty());
}

}  // namespace
