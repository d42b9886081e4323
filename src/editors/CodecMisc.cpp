#include "editors/CodecMisc.h"

#include <string>

#include "editors/CodecSteps.h"

namespace vt::editors {

const Section& CodecMiscGainSection() {
  static const Section section =
      CodecGainSection("CheckBox69", {"ScrollBar25"}, 3,
                       [](const SectionContext& c) { return c.Position("ScrollBar25"); });
  return section;
}

const std::vector<Section>& CodecMiscSections() {
  static const std::vector<Section> sections = {
      CodecSection("CheckBox70", {"RadioButton16", "RadioButton17"}, 0,
                   [](int32_t r, const SectionContext& c) {
                     return (r & 0xEFFF) | (c.Checked("RadioButton17") ? 0x1000 : 0);
                   }),
      CodecSection("CheckBox71", {"CheckBox72", "CheckBox73"}, 7,
                   [](int32_t r, const SectionContext& c) {
                     return (r & 0xFEFD) | (c.Checked("CheckBox72") ? 2 : 0) |
                            (c.Checked("CheckBox73") ? 0x0100 : 0);
                   }),
  };
  return sections;
}

const std::vector<LabelRule>& CodecMiscLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label43", {"ScrollBar25"},
       [](const ControlView& c) { return std::to_string(c.Position("ScrollBar25")); }},
  };
  return rules;
}

const MemoSection& CodecMiscMemo() {
  static const MemoSection section{
      "CODEC_MISC",
      {IntKey("Sidetone_gain", "ScrollBar25"),
       ChoiceKey("Aux_in_mode", "RadioButton16", "Mono", "Stereo", "RadioButton17"),
       BoolKey("Ul_out_mix", "CheckBox72"),
       ChoiceKey("Ul_out_source_vs_PGA", "CheckBox73", "After", "Before")}};
  return section;
}

}  // namespace vt::editors
