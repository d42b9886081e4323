#include "editors/PcmPort.h"

#include "editors/CodecSteps.h"

namespace vt::editors {

namespace {
// The CLK frequency: 1 MHz over (divider + 1), truncated.
long long ClockHz(const ControlView& c) { return 1000000 / (c.Position("ScrollBar28") + 1); }

// The format word, item 10. The "DL IIR" boxes are those of the "DSP config" tab.
int32_t FormatWord(int32_t, const SectionContext& c) {
  int32_t w = c.Checked("CheckBox76") || c.Checked("CheckBox77") ? 0 : 0x0400;
  if (c.Checked("CheckBox84")) w += 0x0204;  // SYNC mastered
  if (c.Checked("CheckBox85")) w += 0x0102;  // CLK mastered
  if (c.Checked("CheckBox86")) w += 0x0020;  // MSB first
  if (c.Checked("RadioButton24")) w += 0x0010;  // 16 bits
  if (c.Checked("RadioButton26")) w += 0x0008;  // rising edge
  return w + 1;
}

Section PcmConfig() {
  Section s;
  s.checkBox = "CheckBox87";
  s.members = {"CheckBox84",    "CheckBox85",    "CheckBox86",    "RadioButton23", "RadioButton24",
               "RadioButton25", "RadioButton26", "ScrollBar28",   "ScrollBar29"};
  auto bar = [](const char* name) {
    return [name](int32_t, const SectionContext& c) { return int32_t(c.Position(name)); };
  };
  const std::vector<HandsetObject> items = {CodecItem(10), CodecItem(11), CodecItem(12)};
  s.steps = {{{{CodecItem(10), FormatWord, false},
               {CodecItem(11), bar("ScrollBar28"), false},
               {CodecItem(12), bar("ScrollBar29"), false}},
              items,
              items}};
  return s;
}
}  // namespace

const std::vector<Section>& PcmPortSections() {
  static const std::vector<Section> sections = {PcmConfig()};
  return sections;
}

const std::vector<LabelRule>& PcmPortLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label48", {"ScrollBar28"}, [](const ControlView& c) { return HertzText(ClockHz(c)); }},
      {"Label49", {"ScrollBar28", "ScrollBar29"},
       [](const ControlView& c) {
         return HertzText(ClockHz(c) / (c.Position("ScrollBar29") + 1));
       }},
  };
  return rules;
}

const MemoSection& PcmPortMemo() {
  static const MemoSection section{
      "PCM_PORT",
      {BoolKey("CLK_master", "CheckBox85"), BoolKey("SYNC_master", "CheckBox84"),
       BoolKey("MSB_first", "CheckBox86"),
       ChoiceKey("Word_length", "RadioButton24", "16b", "8b", "RadioButton23"),
       ChoiceKey("CLK_edge", "RadioButton26", "rising", "falling", "RadioButton25"),
       IntKey("CLK_freq", "ScrollBar28"), IntKey("SYNC_freq", "ScrollBar29")}};
  return section;
}

}  // namespace vt::editors
