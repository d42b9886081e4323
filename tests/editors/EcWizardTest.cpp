// The echo-canceller wizard: row values of every input at both ends and at
// its start (worked out by hand), the changed-rows send of one moved bar, the
// speed bars' ordering, the memo block, the status poll and a lost link.
#include "HandsetLines.h"
#include "config/LineStore.h"
#include "editors/EcWizard.h"
#include "editors/EchoCanceller.h"

using namespace vt;
using namespace vt::editors;
using namespace vt::testing;

namespace {

using Rows = std::vector<std::pair<std::string, int32_t>>;

ControlMap AtStart() {
  ControlMap w;
  for (const WizardControl& c : WizardControls()) w.SetPosition(c.name, c.start);
  return w;
}

Rows RowsOf(const std::string& bar, const ControlMap& w) {
  Rows out;
  for (const WizardRow& r : WizardRowsOf(bar, w)) out.emplace_back(r.key, r.value);
  return out;
}
class EcWizardTest : public vt::testing::EmulatedHandset {
 protected:
  ControlMap frame, wizard = AtStart();
  KeptRows kept;
};

TEST(EcWizard, RowsAtBothEndsAndAtTheStartAndSpeedBarsStayOrdered) {
  struct Case {
    std::vector<std::pair<const char*, int>> set;  // bar positions; the first bar is mapped
    Rows rows;
  };
  const std::vector<Case> cases = {
      {{{"TrackBar7", 100}}, {{"L_FarEnd", 12928}, {"Cfe_L0", 12928}}},
      {{{"TrackBar8", 110}}, {{"TauBr", 4919}, {"TauBd", 15828}, {"TauCr", 84}}},
      {{{"TrackBar9", 110}}, {{"TauAr", 24509}, {"TauAd", 29433}}},
      {{{"TrackBar17", 60}}, {{"Cxd_Tau2", 31960}}},  // 33600 - 100000 / 61
      {{{"TrackBar10", 100}}, {{"Cfe_L1", 32700}}},   // 27700 p / 100 + 5000
      {{{"TrackBar27", 100}}, {{"L_Residual1", 2816}}},
      {{{"TrackBar28", 100}}, {{"L_Residual2", 32767}}},
      // (p - 50) x 655.34, halved for the closed-loop rows; toward zero.
      {{{"TrackBar29", 0}}, {{"L_Cxd1", -32767}}}, {{{"TrackBar32", 90}}, {{"L_Cfe1", 13106}}},
      // Speed: f = fast / 100; Mu = 32000 f, Mu1..3 = 32767 x (bar / 100) / f.
      {{{"TrackBar43", 90}}, {{"Mu", 28800}, {"Mu1", 27305}, {"Mu2", 14563}, {"Mu3", 3640}}},
      {{{"TrackBar46", 40}, {"TrackBar43", 40}, {"TrackBar44", 40}, {"TrackBar45", 40}},
       {{"Mu", 12800}, {"Mu1", 32767}, {"Mu2", 32767}, {"Mu3", 32767}}},
      {{{"TrackBar50", 15}}, {{"NFGamma1", 384}}}, {{{"TrackBar52", 100}}, {{"NFp", 32439}}},
      // G = 32767 x 10^(-a/20); TauD = 32767 (G/32767)^(1/ta); TauR = 16383 (32767/G)^(1/tr).
      {{{"TrackBar49", 40}}, {{"UL_Gmin", 327}, {"UL_TauD", 32020}, {"UL_TauR", 16764}}},
      {{{"TrackBar53", 1}, {"TrackBar49", 40}, {"TrackBar54", 1}},
       {{"UL_Gmin", 327}, {"UL_TauD", 327}, {"UL_TauR", 32767}}},  // 1641656 held at 32767
  };
  for (const Case& k : cases) {
    ControlMap w = AtStart();
    for (const auto& [bar, p] : k.set) w.SetPosition(bar, p);
    EXPECT_EQ(RowsOf(k.set[0].first, w), k.rows) << k.set[0].first << " at " << k.set[0].second;
  }
  // Slow moved above the others pushes all three up; the rows follow once.
  ControlMap frame, wizard = AtStart();
  frame.SetList("ValueListEditor4", {"Mu=0", "Mu1=0", "Mu2=0", "Mu3=0"});
  WizardContext c{wizard, frame, FrameState{}, nullptr};
  wizard.SetPosition("TrackBar46", 95);
  ASSERT_EQ(WizardChanged(c, "TrackBar46", true), "");
  for (const char* bar : {"TrackBar43", "TrackBar44", "TrackBar45"})
    EXPECT_EQ(wizard.Position(bar), 95) << bar;
  EXPECT_EQ(frame.ListRows("ValueListEditor4"),
            RowList({{"Mu", "30400"}, {"Mu1", "32767"}, {"Mu2", "32767"}, {"Mu3", "32767"}}));
}

// The wizard's first send writes every row; moving "Far-end det. threshold"
// from 17 to 20 then sends its two rows alone (128 x 20 + 128 = 2688).
TEST_F(EcWizardTest, OneMovedBarSendsOnlyItsRows) {
  Start(3);
  SetChipType(3);
  SetApiFlag(1, true);
  std::vector<std::string> rows = Numbered(39);
  rows[15] = "L_FarEnd=0x0140";
  rows[28] = "Cfe_L0=0x0200";
  frame.SetList("ValueListEditor9", rows);
  WizardLaunch(frame, kept);  // the sections are checked (the map runs no handler)
  ASSERT_TRUE(frame.Checked("CheckBox18"));
  WizardContext c{wizard, frame, FrameState{3, false, false, true, true}, &kept};
  ASSERT_EQ(WizardRestart(c), "");
  Mark();
  wizard.SetPosition("TrackBar7", 20);
  ASSERT_EQ(WizardChanged(c, "TrackBar7", false), "");  // not focused: nothing
  EXPECT_TRUE(Wire().empty());
  wizard.SetFocused("TrackBar7", true);
  ASSERT_EQ(WizardChanged(c, "TrackBar7", false), "");
  // Id 16 on chip type 3: word k-1 of row k at area 4 word 133 + k.
  EXPECT_EQ(Lines(), Lines_({"bbl auwrm 4 149 2688", "bbl auwrm 4 162 2688"}) + kCommit);
  EXPECT_EQ(frame.ListRows("ValueListEditor9")[15].second, "2688");
  // The attenuation bar writes the suppressor's rows and enables "Echo Supp UL".
  frame.SetList("ValueListEditor5", {"UL_Gmin=0x0148", "UL_TauR=0x4100", "UL_TauD=0x7FBE",
                                     "DL_Gmin=0x0148", "DL_TauR=0x4100", "DL_TauD=0x7FBE"});
  wizard.SetPosition("TrackBar49", 40);
  ASSERT_EQ(WizardChanged(c, "TrackBar49", true), "");
  EXPECT_EQ(frame.ListRows("ValueListEditor5")[0].second, "327");
  EXPECT_TRUE(frame.Checked("CheckBox22"));
}

// "Get from GUI": the frame's rows, made by the mappings from bars moved
// away from their start, are traced back to positions that give them again.
TEST(EcWizard, GetFromGuiTracesTheFrameRowsBackToTheBars) {
  ControlMap moved = AtStart();
  for (auto [bar, p] : {std::pair{"TrackBar7", 40}, {"TrackBar8", 30}, {"TrackBar9", 87},
                        {"TrackBar14", 11}, {"TrackBar27", 25}, {"TrackBar43", 3}})
    moved.SetPosition(bar, p);
  auto allRows = [](const ControlMap& w) {
    Rows all;
    for (const WizardControl& c : WizardControls())
      if (c.kind == WizardControl::Kind::Input)
        for (const auto& row : RowsOf(c.name, w)) all.push_back(row);
    return all;
  };
  std::vector<std::string> texts;
  for (const auto& [key, value] : allRows(moved)) texts.push_back(key + "=" + std::to_string(value));
  ControlMap frame, wizard = AtStart();
  frame.SetList(EcList(3), texts);
  WizardContext c{wizard, frame, FrameState{3, true, false}};
  WizardFromFrame(c);
  EXPECT_EQ(allRows(wizard), allRows(moved));
  EXPECT_EQ(wizard.Position("TrackBar8"), 30);
}

TEST(EcWizard, MemoBlockReplacedAtTheEndAndReadBack) {
  ControlMap w = AtStart();
  w.SetChecked("CheckBox4", true);
  VectorLineStore memo({"Begin EC_wizard", "    FE_thr=99", "End EC_wizard", "Begin ES",
                        "    UL_Gmin=0x0148", "End ES"});
  WizardToMemo(w, memo);
  const auto& lines = memo.Data();
  ASSERT_EQ(lines.size(), 3u + 36u);
  EXPECT_EQ(Lines_(lines.begin(), lines.begin() + 6),
            Lines_({"Begin ES", "    UL_Gmin=0x0148", "End ES", "Begin EC_wizard",
                    "    EC_enable=No", "    FE_noise_time_cte=30"}));
  EXPECT_EQ(lines.back(), "End EC_wizard");
  ControlMap moved = AtStart();
  moved.SetPosition("TrackBar8", 110);
  moved.SetPosition("TrackBar54", 1);
  ASSERT_TRUE(WizardFromMemo(memo, moved));
  for (const WizardControl& c : WizardControls())
    EXPECT_EQ(moved.Position(c.name), w.Position(c.name)) << c.name;
  EXPECT_TRUE(moved.Checked("CheckBox4"));
  // Out of range and unknown values: held in range, the rest read.
  VectorLineStore odd({"Begin EC_wizard", "    FE_thr=500", "    SPEED_order=x", "End EC_wizard"});
  ASSERT_TRUE(WizardFromMemo(odd, moved));
  EXPECT_EQ(moved.Position("TrackBar7"), 100);
  EXPECT_FALSE(WizardFromMemo(VectorLineStore({"Begin ES", "End ES"}), moved));
}

// Chip type 3 (speed shift 0, far-end bit 8): word 0 = 2 is the medium speed.
TEST_F(EcWizardTest, StatusPollAndALostLink) {
  Start(3);
  ASSERT_EQ(IdentifyChip().chipType, 3);
  auto put = [this](int index, uint32_t value) {
    int32_t address = 0;
    ASSERT_TRUE(StatusAddress(3, index, address));
    Handset().SetMemory(uint32_t(address), value);
  };
  put(0, 2 | 8);
  put(6, 300);
  put(7, 100);
  put(8, 1000);
  put(3, 65536 - 32767);  // -32767: open loop at 0
  put(5, 0);              // closed loop at 50
  auto speed = PollWizardStatus(6, wizard);
  ASSERT_TRUE(speed);
  EXPECT_EQ(speed->positions, (std::vector<std::pair<std::string, int>>{{"TrackBar1", 2},
                                                                        {"TrackBar47", 20}}));
  std::vector<uint32_t> colours;
  for (const auto& l : speed->labels) colours.push_back(l.colour);
  EXPECT_EQ(colours, (std::vector<uint32_t>{0xFFFF00, 255, 255, 0xFFFF00}));
  // "Control logic - Fast": 300 x 10 / 100 - 10 = 20 below the threshold 25,
  // 300 x 100 / 1000 = 30 above 25, open loop 0 below 90 and 85, closed 50
  // below 90: Label90 and Label87 alone are set.
  auto fast = PollWizardStatus(3, wizard);
  ASSERT_TRUE(fast);
  std::string set;
  for (const auto& l : fast->labels) set += l.name + "=" + l.text + " ";
  EXPECT_EQ(set, "Label90=1 Label89=0 Label92=0 Label88=0 Label91=0 Label87=1 Label93=0 "
                 "Label94=0 Label95=0 ");
  EXPECT_EQ(PollWizardStatus(0, wizard).value().boxes,
            (std::vector<std::pair<std::string, bool>>{{"CheckBox3", true}}));  // far end
  // The link gone: nothing read, nothing sent, no wait.
  StopServer();
  Disconnect();
  EXPECT_FALSE(PollWizardStatus(3, wizard));
}

}  // namespace
