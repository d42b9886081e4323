#include "editors/CodecOutput.h"

#include <string>

#include "editors/CodecSteps.h"

namespace vt::editors {

namespace {

int32_t OutputItem0(int32_t r, const SectionContext& c) {
  int32_t v = r | 0x03F8;
  if (c.Checked("RadioButton12")) v &= 0xFFE7;  // Headset
  if (c.Checked("CheckBox14")) v &= 0xFDFF;     // VCM enabled
  if (c.Checked("RadioButton11")) v &= 0xFF9F;  // Ear
  if (c.Checked("RadioButton13")) v &= 0xFE7F;  // Line
  if (c.Checked("RadioButton21")) v &= 0xFFCF;  // Spk 1
  if (c.Checked("RadioButton22") || c.Checked("RadioButton33")) v &= 0xFFB7;  // Spk 2, 8ohms
  return v;
}

int32_t OutputItem1(int32_t r, const SectionContext& c) {
  return (r & 0xE7FF) | (c.Checked("RadioButton33") ? 0x1800 : 0);  // 8ohms
}

Section OutputSelection() {
  Section s;
  s.checkBox = "CheckBox57";
  s.members = {"RadioButton11", "RadioButton12", "RadioButton13", "RadioButton21",
               "RadioButton22", "RadioButton33", "CheckBox14"};
  // Both written, both overridden, then both applied.
  s.steps = {{{{CodecItem(0), OutputItem0}, {CodecItem(1), OutputItem1}},
              {CodecItem(0), CodecItem(1)},
              {CodecItem(0), CodecItem(1)}}};
  return s;
}

}  // namespace

const Section& CodecOutputGainSection() {
  static const Section section =
      CodecGainSection("CheckBox2", {"ScrollBar10"}, 2,
                       [](const SectionContext& c) { return 17 * c.Position("ScrollBar10"); });
  return section;
}

const std::vector<Section>& CodecOutputSections() {
  static const std::vector<Section> sections = {
      OutputSelection(),
      CodecSection("CheckBox58", {"RadioButton14", "RadioButton15"}, 7,
                   [](int32_t r, const SectionContext& c) {
                     return (r & 0xFBFF) | (c.Checked("RadioButton15") ? 0x0400 : 0);
                   }),
      CodecSection("CheckBox61", {"CheckBox62"}, 1,
                   [](int32_t r, const SectionContext& c) {
                     return (r & 0xFFFC) | (c.Checked("CheckBox62") ? 3 : 0);
                   }),
  };
  return sections;
}

const std::vector<LabelRule>& CodecOutputLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label22", {"ScrollBar10"},
       [](const ControlView& c) { return std::to_string(c.Position("ScrollBar10")); }},
  };
  return rules;
}

const MemoSection& CodecOutputMemo() {
  static const MemoSection section{
      "CODEC_OUTPUT",
      {IntKey("Gain", "ScrollBar10"),
       OneOfKey("Output_sel", {{"Headset", "RadioButton12"},
                               {"Ear", "RadioButton11"},
                               {"Line", "RadioButton13"},
                               {"Spk1", "RadioButton21"},
                               {"Spk2", "RadioButton22"},
                               {"8ohms", "RadioButton33"}}),
       ChoiceKey("VCM_driver", "CheckBox14", "On", "Off"),
       ChoiceKey("Output_mode", "RadioButton14", "Mono", "Stereo", "RadioButton15"),
       BoolKey("Mute", "CheckBox62")}};
  return section;
}

}  // namespace vt::editors
