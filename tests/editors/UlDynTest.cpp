// The "UL Dyn treatment" editors, headless: labels at the ends of their bars
// and inside, worked out by hand; the noise gate's words in their order; the
// AGC release section; the "UL_AGC_PAR" memo round trip.
#include "../handset/EmulatedHandset.h"
#include "config/MemoConfig.h"
#include "editors/UlDyn.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;

namespace {

ControlMap StartPositions() {
  ControlMap c;
  for (auto [bar, p] : std::initializer_list<std::pair<const char*, int>>{
           {"ScrollBar20", 10}, {"ScrollBar21", 13014}, {"ScrollBar22", 17156}, {"ScrollBar19", 8192},
           {"ScrollBar55", 30}, {"ScrollBar56", 128}, {"ScrollBar13", 19}, {"ScrollBar52", 800},
           {"ScrollBar53", 8}, {"ScrollBar54", 32}, {"ScrollBar57", 39}, {"ScrollBar58", 800},
           {"ScrollBar59", 80}, {"ScrollBar60", 100}, {"ScrollBar64", 256}})
    c.SetPosition(bar, p);
  c.SetChecked("CheckBox119", true);
  return c;
}

// The value written by each line ("bbl poke a v", "bbl auwrm a i v").
std::vector<long> Values(const Lines_& lines) {
  std::vector<long> out;
  for (const std::string& l : lines) out.push_back(std::stol(l.substr(l.rfind(' ') + 1)));
  return out;
}

TEST(UlDynLabels, FormulasAtEndsAndInside) {
  struct Case {
    const char *bar, *label;
    int position;
    const char* text;
  } cases[] = {
      {"ScrollBar20", "Label36", 1, "100 dB/s"},       // 200 / 0.02
      {"ScrollBar20", "Label36", 200, "0.5 dB/s"},     // 200 / 4
      {"ScrollBar20", "Label36", 3, "33.33 dB/s"},     // 3333.33
      {"ScrollBar21", "Label37", 8192, "301.02 dB/s"},  // 50 x 6.020600 = 301.0300 -> 30102.99
      {"ScrollBar21", "Label37", 16383, "0.02 dB/s"},  // 50 x 0.00053 = 0.0265
      {"ScrollBar22", "Label38", 32767, "301.01 dB/s"},  // 50 x 6.02033
      {"ScrollBar19", "Label197", 4096, "0 dB"},
      {"ScrollBar19", "Label197", 32767, "18.06 dB"},
      {"ScrollBar64", "Label198", 300, "1.17"},
      {"ScrollBar13", "Label139", 1, "-39dB"},
      {"ScrollBar57", "Label160", 59, "-1dB"},
      {"ScrollBar52", "Label141", 8000, "1000ms"},
      {"ScrollBar53", "Label143", 25, "3.125ms"},
      {"ScrollBar59", "Label164", 500, "62.5ms"},
  };
  for (const Case& k : cases) {
    ControlMap c = StartPositions();
    c.SetPosition(k.bar, k.position);
    RefreshLabels(UlDynLabels(), c, k.bar);
    EXPECT_EQ(c.Text(k.label), k.text) << k.bar << " at " << k.position;
  }
}

class UlDynHandset : public vt::testing::EmulatedHandset {
 protected:
  ControlMap c = StartPositions();
};

TEST_F(UlDynHandset, GateWritesBothRegimesAndComfortNoiseInOrder) {
  Start(3);
  IdentifyChip();
  Mark();
  c.SetChecked("CheckBox118", true);
  c.SetChecked("CheckBox119", false);  // no comfort noise: 0 to parameter id 139
  UlNoiseGateSend(c);
  const Lines_ lines = Lines();
  ASSERT_EQ(lines.size(), 15u + 1u + 6u + 6u);  // words, commit, DSP item 9 twice
  // 128, 127, 126, 129 .. 134 as on the downlink; during echo -21 dB, 800,
  // 80 (10^(1.05/80) x 32768 = 33773.5), 100; comfort noise level and switch.
  EXPECT_EQ(Values(Lines_(lines.begin(), lines.begin() + 15)),
            (std::vector<long>{2920, 65337, 44330, 36714, 65025, 63864, 65170, 32, 128, 2920, 65337,
                               33773, 100, 24576, 0}));
  EXPECT_EQ(lines[15], "bbl auwrm 1 0 2");

  // Unchecked, or hidden by the gating: nothing at all.
  Mark();
  c.SetShown("CheckBox118", false);
  UlNoiseGateSend(c);
  EXPECT_TRUE(Lines().empty());
}

TEST_F(UlDynHandset, ReleaseSpeedSectionWritesTheConstantAndTheBar) {
  Start(1);
  const Section& agc = UlDynSections()[0];
  c.SetChecked("CheckBox39", true);
  c.SetPosition("ScrollBar20", 57);
  SectionClicked(agc, c);
  Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(Values(Lines_(lines.begin(), lines.begin() + 2)), (std::vector<long>{4090, 57}));
  EXPECT_EQ(ModuleUseCounts().param[11], 1);
  EXPECT_EQ(ModuleUseCounts().param[12], 1);
  c.SetChecked("CheckBox39", false);
  SectionClicked(agc, c);
  EXPECT_EQ(ModuleUseCounts().param[11], 0);
}

TEST(UlAgcParMemo, RoundTripAndTheGroupHiddenByGating) {
  VectorLineStore lines;
  MemoConfig memo;
  memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
  ControlMap c = StartPositions();
  for (auto [bar, p] : std::initializer_list<std::pair<const char*, int>>{
           {"ScrollBar20", 77}, {"ScrollBar13", 3}, {"ScrollBar52", 100}, {"ScrollBar53", 40},
           {"ScrollBar55", 12}, {"ScrollBar57", 50}, {"ScrollBar58", 200}, {"ScrollBar59", 20},
           {"ScrollBar60", 999}, {"ScrollBar64", 700}})
    c.SetPosition(bar, p);
  c.SetChecked("CheckBox119", false);
  SendSectionToMemo(UlAgcParMemo(), c, FrameState{3}, memo);
  std::vector<std::string> text = lines.Data();
  ASSERT_EQ(text.size(), 2u + 21u);
  EXPECT_EQ(text[1], "    Lim_thr=4090");
  EXPECT_EQ(text[7], "    NoiseGate_att=462");  // 10^(-1.85) x 32767 = 462.85
  EXPECT_EQ(text.end()[-2], "    NoiseGate_NoiseFill_Lvl=0");
  ControlMap back;
  back.SetChecked("CheckBox119", true);
  GetSectionFromMemo(UlAgcParMemo(), memo, back);
  for (const char* bar : {"ScrollBar20", "ScrollBar13", "ScrollBar52", "ScrollBar53", "ScrollBar55",
                          "ScrollBar57", "ScrollBar58", "ScrollBar59", "ScrollBar60", "ScrollBar64"})
    EXPECT_EQ(back.Position(bar), c.Position(bar)) << bar;
  EXPECT_FALSE(back.Checked("CheckBox119"));

  c.SetShown("GroupBox53", false);
  SendSectionToMemo(UlAgcParMemo(), c, FrameState{3}, memo);
  EXPECT_EQ(lines.Count(), 2 + 6);
}

}  // namespace
