// The labels of the level, time and rate settings at the ends of their
// ranges and inside (worked out by hand, one row per formula), and the memo
// sections: designed keys by chip type, exact computed values, and the
// computed keys back into controls.
#include <gtest/gtest.h>

#include "config/MemoConfig.h"
#include "editors/CodecInput.h"
#include "editors/Delays.h"
#include "editors/DlDyn.h"
#include "editors/GlobalPath.h"
#include "editors/Music.h"
#include "editors/UlDyn.h"

using namespace vt;
using namespace vt::editors;

namespace {

TEST(Labels, ShowThePhysicalValueAtTheEndsAndInside) {
  struct Case {
    const char* bar;
    int position;
    const char* label;
    const char* text;
  } cases[] = {
      {"ScrollBar12", 32767, "Label27", "0dB"},       {"ScrollBar12", 1, "Label27", "-90.3dB"},
      {"ScrollBar27", 0, "Label44", "-inf dB"},       {"ScrollBar14", 12944, "Label30", "1949.99 Hz"},
      {"ScrollBar15", 32767, "Label31", "0.03 Hz"},   {"ScrollBar23", 159, "Label39", "19.875ms"},
      {"ScrollBar1", 0, "Label21", "-6dB"},           {"ScrollBar1", 3, "Label21", "30dB"},
      // trunc(2 x 20 log10(p / 16384)) x 0.5: -30.103 and -14.746 -> -29.49 -> -29.
      {"ScrollBar30", 512, "Label50", "-30 dBfs"},    {"ScrollBar30", 3000, "Label50", "-14.5 dBfs"},
      {"ScrollBar32", 8095, "Label52", "29.5 dB"},    {"ScrollBar33", 1, "Label60", "-39dB"},
      {"ScrollBar35", 13, "Label64", "1.625ms"},      {"ScrollBar40", 119, "Label85", "-0.5 dB"},
      {"ScrollBar41", 3, "Label88", "3:1"},           {"ScrollBar41", 5, "Label88", "1.6:1"},
      {"ScrollBar65", 300, "Label199", "1.17"},       {"ScrollBar20", 3, "Label36", "33.33 dB/s"},
      // 50 x 6.020600 = 301.03 -> 30102.99; 50 x 0.00053.
      {"ScrollBar21", 8192, "Label37", "301.02 dB/s"}, {"ScrollBar21", 16383, "Label37", "0.02 dB/s"},
      {"ScrollBar19", 32767, "Label197", "18.06 dB"}, {"ScrollBar57", 59, "Label160", "-1dB"},
      {"ScrollBar45", 50, "Label111", "1.25 ms"},
  };
  for (const Case& c : cases) {
    ControlMap m;
    m.SetPosition(c.bar, c.position);
    for (const auto* rules : {&GlobalPathLabels(), &DelaysLabels(), &CodecInputLabels(),
                              &DlDynLabels(), &UlDynLabels(), &MusicLabels()})
      RefreshLabels(*rules, m, c.bar);
    EXPECT_EQ(m.Text(c.label), c.text) << c.bar << " at " << c.position;
  }
  ControlMap m;  // stage 1 at 0, PGA at 10
  m.SetPosition("ScrollBar11", 10);
  RefreshLabels(CodecInputLabels(), m);
  EXPECT_EQ(m.Text("Label26"), "Total: 14dB");
}

std::string Value(const KeyLines& lines, const std::string& key) {
  for (const auto& [k, v] : lines)
    if (k == key) return v;
  return "(none)";
}

TEST(SectionMemos, DesignedKeysExactValuesAndComputedKeysRoundTrip) {
  ControlMap designed;
  designed.SetPosition("ScrollBar1", 1);
  designed.SetChecked("RadioButton7", true);
  designed.SetChecked("RadioButton10", true);
  designed.SetChecked("RadioButton2", true);
  designed.SetPosition("ScrollBar23", 96);
  designed.SetPosition("ScrollBar24", 72);
  EXPECT_EQ(KeyLinesFromControls(CodecInputMemo(), designed, FrameState{3}),
            (KeyLines{{"Stage_1", "1"}, {"PGA", "0"}, {"Input_sel", "Internal"},
                      {"Mike_bias", "2.4V"}, {"Mute", "No"}, {"Mike_gnd", "Ground"}}));
  EXPECT_EQ(KeyLinesFromControls(CodecInputMemo(), designed, FrameState{1}).size(), 5u);
  EXPECT_EQ(KeyLinesFromControls(DelayMemo(), designed, {}),
            (KeyLines{{"PCM_in_delay", "3072"}, {"PCM_out_delay", "2304"}}));

  // The dynamics and music sections, whose keys are computed from the
  // controls and set them back, away from their designed states.
  ControlMap set;
  set.SetChecked("CheckBox112", true);
  for (auto [bar, p] : std::initializer_list<std::pair<const char*, int>>{
           // Downlink dynamics.
           {"ScrollBar33", 5}, {"ScrollBar34", 100}, {"ScrollBar35", 77}, {"ScrollBar37", 41},
           {"ScrollBar39", -13}, {"ScrollBar40", 57}, {"ScrollBar42", 99}, {"ScrollBar43", 31},
           {"ScrollBar41", 6}, {"ScrollBar30", 700}, {"ScrollBar65", 500},
           // Uplink dynamics.
           {"ScrollBar20", 77}, {"ScrollBar13", 3}, {"ScrollBar52", 100}, {"ScrollBar53", 40},
           {"ScrollBar55", 12}, {"ScrollBar57", 50}, {"ScrollBar58", 200}, {"ScrollBar59", 20},
           {"ScrollBar60", 999}, {"ScrollBar64", 700},
           // Music.
           {"ScrollBar44", 13}, {"ScrollBar45", 33}, {"ScrollBar66", 700}, {"ScrollBar47", 90},
           {"ScrollBar48", 9}, {"ScrollBar46", 199}, {"ScrollBar50", 7}, {"ScrollBar51", -5}})
    set.SetPosition(bar, p);
  const struct {
    const MemoSection& section;
    const char *key, *value;
  } exact[] = {
      {AgcParMemo(), "DlHarmLevel", "500"},
      {AgcParMemo(), "NoiseGate_att", "582"},    // 10^(-1.75) x 32767 = 582.7
      {UlAgcParMemo(), "Lim_thr", "4090"},
      {UlAgcParMemo(), "NoiseGate_att", "462"},  // 10^(-1.85) x 32767 = 462.85
      {UlAgcParMemo(), "NoiseGate_NoiseFill_Lvl", "0"},
      {MusicTrtMemo(), "ClearLiftEnable", "Yes"},
      {MusicTrtMemo(), "ClearLiftThr", "7335"},  // 32767 / 10^0.65 = 7335.6
  };
  for (const auto& e : exact)
    EXPECT_EQ(Value(KeyLinesFromControls(e.section, set, FrameState{3}), e.key), e.value) << e.key;
  for (const MemoSection* s : {&AgcParMemo(), &UlAgcParMemo(), &MusicTrtMemo()}) {
    VectorLineStore lines;
    MemoConfig memo;
    memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
    SendSectionToMemo(*s, set, FrameState{3}, memo);
    ControlMap back;
    back.SetChecked("CheckBox119", true);  // the uplink gate's comfort noise, off in `set`
    GetSectionFromMemo(*s, memo, back);
    EXPECT_EQ(KeyLinesFromControls(*s, back, FrameState{3}),
              KeyLinesFromControls(*s, set, FrameState{3}))
        << s->name;
  }
  // The uplink gate's group hidden by the gating: its keys are left out.
  set.SetShown("GroupBox53", false);
  EXPECT_EQ(KeyLinesFromControls(UlAgcParMemo(), set, FrameState{3}).size(), 6u);
}

}  // namespace
