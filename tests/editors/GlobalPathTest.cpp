// Labels of the level and time settings at the ends of their ranges and at
// the start positions, and the memo sections of the codec, PCM port and
// level tabs.
#include <gtest/gtest.h>

#include "config/MemoConfig.h"
#include "editors/CodecConfig.h"
#include "editors/CodecInput.h"
#include "editors/CodecMisc.h"
#include "editors/CodecOutput.h"
#include "editors/Delays.h"
#include "editors/GlobalPath.h"
#include "editors/PcmPort.h"

using namespace vt;
using namespace vt::editors;

namespace {

TEST(LevelLabels, ShowThePhysicalValueAtTheEndsAndTheStart) {
  struct Case {
    const char* bar;
    int position;
    const char* label;
    const char* text;
  } cases[] = {
      {"ScrollBar12", 32767, "Label27", "0dB"},       {"ScrollBar12", 1, "Label27", "-90.3dB"},
      {"ScrollBar17", 32767, "Label33", "18.06 dB"},  {"ScrollBar17", 1, "Label33", "-72.24 dB"},
      {"ScrollBar18", 4096, "Label34", "0 dB"},       {"ScrollBar27", 0, "Label44", "-inf dB"},
      {"ScrollBar27", 32767, "Label44", "0 dB"},      {"ScrollBar27", 16384, "Label44", "-6.02 dB"},
      {"ScrollBar14", 32752, "Label30", "0.62 Hz"},
      {"ScrollBar14", 12944, "Label30", "1949.99 Hz"},
      {"ScrollBar15", 32767, "Label31", "0.03 Hz"},   {"ScrollBar16", 2240, "Label32", "2240"},
      {"ScrollBar26", 40, "Label46", "5 ms"},         {"ScrollBar26", 240, "Label46", "30 ms"},
      {"ScrollBar23", 96, "Label39", "12ms"},         {"ScrollBar23", 159, "Label39", "19.875ms"},
      {"ScrollBar24", 97, "Label40", "12.125ms"},
      {"ScrollBar1", 0, "Label21", "-6dB"},           {"ScrollBar1", 3, "Label21", "30dB"},
      {"ScrollBar11", 10, "Label25", "20dB"},         {"ScrollBar10", 9, "Label22", "9"},
      {"ScrollBar25", 16, "Label43", "16"},
  };
  for (const Case& c : cases) {
    ControlMap m;
    m.SetPosition(c.bar, c.position);
    for (const auto* rules : {&GlobalPathLabels(), &DelaysLabels(), &CodecInputLabels(),
                              &CodecOutputLabels(), &CodecMiscLabels()})
      RefreshLabels(*rules, m, c.bar);
    EXPECT_EQ(m.Text(c.label), c.text) << c.bar << " at " << c.position;
  }
  ControlMap m;  // stage 1 at 0, PGA at 10
  m.SetPosition("ScrollBar11", 10);
  RefreshLabels(CodecInputLabels(), m);
  EXPECT_EQ(m.Text("Label26"), "Total: 14dB");
}

TEST(TabMemos, DesignedStatesWriteTheirKeysAndEverySectionRoundTrips) {
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

  // Controls away from their designed states come back from the memo.
  ControlMap set;
  for (const char* on : {"CheckBox89", "CheckBox115", "RadioButton8", "RadioButton1",
                         "RadioButton21",
                         "RadioButton15", "CheckBox73", "CheckBox84", "RadioButton23"})
    set.SetChecked(on, true);
  for (auto [bar, p] : {std::pair{"ScrollBar11", 7}, {"ScrollBar10", 5}, {"ScrollBar25", 11},
                        {"ScrollBar29", 255}, {"ScrollBar14", 12944}, {"ScrollBar23", 159}})
    set.SetPosition(bar, p);
  for (const MemoSection* s : {&CodecConfMemo(), &CodecInputMemo(), &CodecOutputMemo(),
                               &CodecMiscMemo(), &PcmPortMemo(), &GlobalPathMemo(), &DelayMemo()}) {
    VectorLineStore lines;
    MemoConfig memo;
    memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
    SendSectionToMemo(*s, set, FrameState{3}, memo);
    ControlMap back;
    GetSectionFromMemo(*s, memo, back);
    EXPECT_EQ(KeyLinesFromControls(*s, back, FrameState{3}),
              KeyLinesFromControls(*s, set, FrameState{3}))
        << s->name;
  }
}

}  // namespace
