// Parameter lists against the emulated handset: the exact lines of a section
// click, a resend and an uncheck (a bad row's are the tab's and the echo
// canceller's), each address kind, the filter and noise-suppressor extras,
// pasted rows, the memo round trip; the echo canceller (id 16 and its
// extended words, the accelerator, the changed-rows send) and the selective
// echo suppressor (gain table, parameter blocks, level poll, curve editor,
// memo keys).
#include "HandsetLines.h"
#include "editors/EchoCanceller.h"
#include "editors/NoiseSuppressor.h"
#include "editors/ParamLists.h"
#include "editors/SelEsCurve.h"
#include "editors/SelectiveEs.h"

using namespace vt;
using namespace vt::editors;
using namespace vt::testing;

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

// A list's section out to the memo and back into a list of other values,
// the texts kept as typed; DL_NS only while its group is on screen.
TEST_F(ListMemoTest, ListSectionsRoundTripWhileShownAndDlFirCarriesItsLength) {
  controls.SetList(DlNsMemo().list, {"R1=1", "R2=0x01F4", "R3=-7", "R4=4", "R5=5", "R6=6", "R7=7"});
  controls.SetShown("GroupBox43", true);
  SendListToMemo(DlNsMemo(), controls, FrameState{3}, memo);
  EXPECT_EQ(lines.Data(), (std::vector<std::string>{"Begin DL_NS", "    R1=1", "    R2=0x01F4",
                                                    "    R3=-7", "    R4=4", "    R5=5", "    R6=6",
                                                    "    R7=7", "End DL_NS"}));
  ControlMap other;
  other.SetList(DlNsMemo().list, Numbered(7));
  other.SetShown("GroupBox43", true);
  GetListFromMemo(DlNsMemo(), memo, other, FrameState{3});
  EXPECT_EQ(other.ListRows(DlNsMemo().list), controls.ListRows(DlNsMemo().list));
  lines.Assign({});
  controls.SetShown("GroupBox43", false);
  SendListToMemo(DlNsMemo(), controls, FrameState{3}, memo);
  EXPECT_TRUE(lines.Data().empty());

  // DL_FIR's "Length" key after its rows, and back into the radio buttons.
  controls.SetList("ValueListEditor1", FirRows());
  controls.RadioGroup({"RadioButton18", "RadioButton19", "RadioButton20"});
  controls.SetChecked("RadioButton20", true);
  SendListToMemo(DlFirMemo(), controls, FrameState{1}, memo);
  ASSERT_EQ(lines.Data().size(), 36u);
  EXPECT_EQ(lines.Data()[34], "    Length=48");
  other = ControlMap{};
  other.RadioGroup({"RadioButton18", "RadioButton19", "RadioButton20"});
  GetListFromMemo(DlFirMemo(), memo, other, FrameState{1});
  EXPECT_TRUE(other.Checked("RadioButton20"));
}

class EditorsTest : public vt::testing::EmulatedHandset {
 protected:
  ControlMap controls;
};

TEST_F(EditorsTest, EchoCancellerChipType1ClickAndTheAccelerator) {
  Start(1);
  controls = At({{"TrackBar14", 7000}, {"TrackBar16", 25}, {"TrackBar17", 58}});
  controls.SetList("ValueListEditor4", Numbered(39));
  controls.SetChecked("CheckBox18", true);
  ASSERT_EQ(EcSectionClicked(controls, FrameState{1, true, false}), "");  // no rows 40, 41
  const Lines_ lines = Lines();
  // Id 16 on chip type 1: base 112, offsets from 36 on base 125, from 38 on base 141.
  ASSERT_EQ(lines.size(), 39 + 78 + 7u);  // the words, a status bit each, the commit
  EXPECT_EQ(lines[0], "bbl auwrm 4 112 1");
  EXPECT_EQ(Lines_(lines.begin() + 35, lines.begin() + 39),
            (Lines_{"bbl auwrm 4 147 36", "bbl auwrm 4 161 37", "bbl auwrm 4 162 38",
                    "bbl auwrm 4 179 39"}));
  EXPECT_EQ(lines[39], "bbl aurdm 2 8");
  EXPECT_EQ(lines[116], "bbl auwrm 2 12 8");  // word 179: bit 3 of status word 12
  // The accelerator (chip type 3: ids 146 to 148 in area 8 words 61 to 63).
  SetChipType(3);
  Mark();
  controls.SetPosition("TrackBar16", 100);
  EcAcceleratorSend(controls);
  const Lines_ words = {"bbl auwrm 8 61 7000", "bbl auwrm 8 62 100", "bbl auwrm 8 63 58"};
  EXPECT_EQ(Lines(), words + kCommit);
  Mark();
  controls.SetChecked("CheckBox18", false);
  EcAcceleratorSend(controls);
  EXPECT_TRUE(Wire().empty());
}

TEST_F(EditorsTest, EchoCancellerChangedRowsSendWritesOnlyEditedRows) {
  Start(3);
  SetChipType(3);
  SetApiFlag(1, true);
  SetApiFlag(3, true);  // id 125 in area 8 words 39 and 40, written before the commit
  controls.SetList("ValueListEditor9", Numbered(41));
  controls.SetChecked("CheckBox18", true);
  const FrameState state{3, true, false};
  KeptRows kept;
  Mark();
  ASSERT_EQ(EcSend(controls, state, &kept), "");
  Lines_ all;  // id 16 on chip type 3: area 4 words 134 to 172
  for (int k = 1; k <= 39; ++k)
    all.push_back("bbl auwrm 4 " + std::to_string(133 + k) + " " + std::to_string(k));
  const Lines_ extended = {"bbl auwrm 8 39 40", "bbl auwrm 8 40 41"};
  EXPECT_EQ(Lines(), all + extended + kCommit);
  controls.SetListValue("ValueListEditor9", 5, "0x01F4");
  controls.SetListValue("ValueListEditor9", 40, "-4000");
  Mark();
  ASSERT_EQ(EcSend(controls, state, &kept), "");
  const Lines_ edited = {"bbl auwrm 4 138 500", "bbl auwrm 8 39 -4000"};
  EXPECT_EQ(Lines(), edited + kCommit);
  // A bad row 41 stops even the changed-rows send before its first line.
  controls.SetListValue("ValueListEditor9", 41, "x");
  Mark();
  EXPECT_NE(EcSend(controls, state, &kept).find("Row 41 (R41)"), std::string::npos);
  EXPECT_TRUE(Wire().empty());
}

TEST(SelectiveEsCurve, InvalidPointsGiveTheFlatCurve) {
  for (const CurvePoints& bad : {CurvePoints{CurvePoint{20, 1}, CurvePoint{10, 1}, CurvePoint{63, 1}},
                                 CurvePoints{CurvePoint{20, 1}, CurvePoint{62, 1}},
                                 CurvePoints{CurvePoint{63, 1}, CurvePoint{0, 5}}}) {
    const CurvePoints v = ValidPoints(bad);
    EXPECT_EQ(v[0].bin, 63);
    EXPECT_EQ(v[0].gain, 4096);
    EXPECT_EQ(v[1].bin + v[1].gain, 0);
  }
  const CurvePoints four{CurvePoint{5, 1}, CurvePoint{9, 2}, CurvePoint{30, 3}, CurvePoint{63, 4}};
  EXPECT_EQ(ValidPoints(four)[2].bin, 30);
}

TEST_F(EditorsTest, SelectiveEsPokesTheTableOrWritesTheBlocksAndPollsItsLevel) {
  Start(1);
  controls.SetList("ValueListEditor8", {"Point_1_bin=10", "Point_1_gain=0x800", "Point_2_bin=63",
                                        "Point_2_gain=4096", "Point_3_bin=0", "Point_3_gain=0",
                                        "Point_4_bin=0", "Point_4_gain=0"});
  ASSERT_EQ(SelEsUpdate(controls, 1, false), "");  // "Enable" unchecked on type 1: flat
  Lines_ flat;
  for (int i = 0; i < 64; ++i) flat.push_back("bbl poke " + std::to_string(15052 + i) + " 32768");
  EXPECT_EQ(Lines(), flat);
  SetChipType(3);  // no API: the points' table, halving up to bin 10, at 6072 on type 3
  Mark();
  ASSERT_EQ(SelEsUpdate(controls, 3, false), "");
  ASSERT_EQ(Lines().size(), 64u);
  EXPECT_EQ(Lines()[1], "bbl poke 6073 16384");
  EXPECT_EQ(Lines()[63], "bbl poke 6135 32");

  SetApiFlag(1, true);
  SetApiFlag(5, true);
  controls.SetChecked("CheckBox120", true);
  controls.SetChecked("RadioButton36", true);
  controls.SetPosition("ScrollBar61", 5);
  controls.SetPosition("ScrollBar62", 3);
  controls.SetPosition("ScrollBar63", 1000);
  Handset().SetMemory(6415, 1234);  // the modulation level
  Mark();
  EXPECT_EQ(SelEsUpdate(controls, 3, true), "");  // "Selective ES par" unchecked: nothing
  PollSelectiveEs(controls);
  EXPECT_TRUE(Wire().empty());
  controls.SetChecked("CheckBox96", true);
  PollSelectiveEs(controls);
  EXPECT_EQ(Lines(), Lines_{"bbl peek 6415"});
  EXPECT_EQ(controls.Position("TrackBar15"), 1234);
  Mark();
  ASSERT_EQ(SelEsUpdate(controls, 3, true), "");
  // Ids 121, 122: area 8 words 10 to 13, 14 to 17; 141 to 145: words 56 to 60.
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 8 10 10", "bbl auwrm 8 11 63", "bbl auwrm 8 12 0",
                             "bbl auwrm 8 13 0", "bbl auwrm 8 14 2048", "bbl auwrm 8 15 4096",
                             "bbl auwrm 8 16 0", "bbl auwrm 8 17 0", "bbl auwrm 8 56 32868",
                             "bbl auwrm 8 57 500", "bbl auwrm 8 58 300", "bbl auwrm 8 59 10",
                             "bbl auwrm 8 60 1000"} +
                      kCommit));
}

TEST(ListMemos, EchoCancellerAndSelectiveEsExtraKeysRoundTrip) {
  MemoBench b;
  auto& lines = b.lines;
  ControlMap controls;
  controls.SetList("ValueListEditor9", Numbered(41));
  controls.SetPosition("TrackBar14", 12000);
  controls.SetPosition("TrackBar16", 40);
  controls.SetPosition("TrackBar17", 30);
  FrameState state{3, true, true};
  SendListToMemo(EcMemo(), controls, state, b.memo);
  ASSERT_EQ(lines.Data().size(), 2 + 41 + 3u);
  EXPECT_EQ(lines.Data()[41], "    R41=41");
  EXPECT_EQ(lines.Data()[42], "    EcIccSpeed=12000");
  EXPECT_EQ(lines.Data()[44], "    EcIccThr=30");
  ControlMap other;
  GetListFromMemo(EcMemo(), b.memo, other, state);
  EXPECT_EQ(other.Position("TrackBar16"), 40);

  lines.Assign({});
  controls.SetList("ValueListEditor8", Numbered(8));
  controls.SetChecked("CheckBox98", true);
  SendListToMemo(SelEsMemo(), controls, FrameState{1}, b.memo);
  ASSERT_EQ(lines.Data().size(), 2 + 8 + 6u);  // the rows, then "Enable" and the dynamic keys
  EXPECT_EQ(lines.Data()[9], "    SelESEN=Yes");
}

// The curve editor: 609 x 297 pixels, 50 Hz to 4 kHz, 0 to -80 dB. The
// start curve sends flat and disabled.
TEST(SelEsCurve, DragsAddLimitAndDeletePoints) {
  CurveModel start(609, 297);
  start.Load({CurvePoint{63, 4096}});
  const auto flat = start.ToTarget();
  EXPECT_FALSE(flat.enable);
  EXPECT_EQ(flat.points[0].bin, 63);
  EXPECT_EQ(flat.points[0].gain, 4096);
  CurveModel m(609, 297);
  // x = 360 is 666.6 Hz: bin 10, snapped to 656.25 Hz at x = 357; y = 75 is -20.2 dB.
  m.MouseDown(360, 75);
  m.MouseUp();
  m.MouseDown(606, 2);  // the bin-63 point, within 11 pixels
  EXPECT_EQ(m.Dragged(), 1);
  m.MouseMove(100, 400);  // only up and down, and never off the plot
  EXPECT_EQ(m.Points()[1].x, 608);
  EXPECT_EQ(m.Points()[1].y, 293);
  m.MouseMove(100, 75);
  m.MouseUp();
  auto t = m.ToTarget();
  EXPECT_TRUE(t.enable);
  EXPECT_EQ(t.points[0].bin, 10);
  EXPECT_EQ(t.points[0].gain, 3253);  // trunc(10^(-0.1) x 4096)

  m.MouseDown(50, 10);  // 84 Hz: too low to add
  EXPECT_EQ(m.Dragged(), -1);
  for (int x : {200, 450}) {
    m.MouseDown(x, 10);
    m.MouseUp();
  }
  ASSERT_EQ(m.Points().size(), 4u);
  m.MouseDown(520, 10);  // a fifth: no
  EXPECT_EQ(m.Dragged(), -1);
  EXPECT_EQ(m.Points().size(), 4u);

  m.MouseDown(m.Points()[1].x, m.Points()[1].y);  // the bin-10 point, past its right neighbour
  const int right = m.Points()[2].x;
  m.MouseMove(right + 20, 30);
  EXPECT_LT(m.Points()[1].x, right - 5);
  m.MouseMove(m.Points()[1].x, 400);  // below the plot: gone on release
  m.MouseUp();
  EXPECT_EQ(m.Points().size(), 3u);
}

}  // namespace
