// Echo canceller (id 16 and its extended words, the accelerator, the
// changed-rows send), the noise suppressors' perceptual bars and the
// selective echo suppressor (gain table, parameter blocks, memo keys).
#include "HandsetLines.h"
#include "editors/EchoCanceller.h"
#include "editors/NoiseSuppressor.h"
#include "editors/SelEsCurve.h"
#include "editors/SelectiveEs.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;
using vt::testing::operator+;
using vt::testing::kCommit;
using vt::testing::MemoBench;
using vt::testing::Numbered;

namespace {

class EditorsTest : public vt::testing::EmulatedHandset {
 protected:
  ControlMap controls;
};

TEST_F(EditorsTest, EchoCancellerChipType1ClickAndTheAccelerator) {
  Start(1);
  controls.SetList("ValueListEditor4", Numbered(39));
  controls.SetChecked("CheckBox18", true);
  for (auto [bar, pos] : {std::pair{"TrackBar14", 7000}, {"TrackBar16", 25}, {"TrackBar17", 58}})
    controls.SetPosition(bar, pos);
  ASSERT_EQ(EcSectionClicked(controls, FrameState{1, true, false}), "");  // no rows 40, 41
  const Lines_ lines = Lines();
  // Id 16 on chip type 1: base 112, offsets from 36 on base 125, from 38 on base 141.
  Lines_ writes;
  for (int k = 1; k <= 36; ++k)
    writes.push_back("bbl auwrm 4 " + std::to_string(111 + k) + " " + std::to_string(k));
  writes = writes + Lines_{"bbl auwrm 4 161 37", "bbl auwrm 4 162 38", "bbl auwrm 4 179 39"};
  ASSERT_EQ(lines.size(), 39 + 78 + 7u);  // the words, a status bit each, the commit
  EXPECT_EQ(Lines_(lines.begin(), lines.begin() + 39), writes);
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
  const Lines_ table = Lines();
  ASSERT_EQ(table.size(), 64u);
  EXPECT_EQ(table[1], "bbl poke 6073 16384");
  EXPECT_EQ(table[10], "bbl poke 6082 32");
  EXPECT_EQ(table[63], "bbl poke 6135 32");

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
  EXPECT_EQ(std::vector<std::string>(lines.Data().begin() + 9, lines.Data().end()),
            (std::vector<std::string>{"    SelESEN=Yes", "    DynSelEsG1=0", "    DynSelEsG2=0",
                                      "    DynSelEsOffset=8192", "    DynSelEsTauR=0",
                                      "    DynSelEsTauD=0", "End SEL_ES"}));
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
