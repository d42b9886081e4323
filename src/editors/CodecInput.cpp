#include "editors/CodecInput.h"

#include <string>

#include "editors/CodecSteps.h"

namespace vt::editors {

namespace {
// Stage 1 gain in dB by bar position.
int StageOneDb(int p) {
  static const int kDb[] = {-6, 0, 20, 30};
  return p >= 0 && p <= 3 ? kDb[p] : 0;
}
std::string Db(int db) { return std::to_string(db) + "dB"; }
}  // namespace

const Section& CodecInputGainSection() {
  static const Section section =
      CodecGainSection("CheckBox3", {"ScrollBar1", "ScrollBar11"}, 9,
                       [](const SectionContext& c) {
                         return c.Position("ScrollBar1") + 4 * c.Position("ScrollBar11");
                       });
  return section;
}

const std::vector<Section>& CodecInputSections() {
  static const std::vector<Section> sections = {
      CodecSection("CheckBox46", {"RadioButton7", "RadioButton8"}, 7,
                   [](int32_t r, const SectionContext& c) {
                     int32_t v = (r & 0xFF7F) | 0x0030;
                     if (c.Checked("RadioButton7")) v = (v & 0xFFDF) | 0x0080;
                     if (c.Checked("RadioButton8")) v &= 0xFFEF;
                     return v;
                   }),
      CodecSection("CheckBox56", {"RadioButton9", "RadioButton10"}, 7,
                   [](int32_t r, const SectionContext& c) {
                     return (r & 0xFFFE) | (c.Checked("RadioButton9") ? 1 : 0);
                   }),
      CodecSection("CheckBox59", {"CheckBox60"}, 8,
                   [](int32_t r, const SectionContext& c) {
                     return (r & 0xFFFE) | (c.Checked("CheckBox60") ? 1 : 0);
                   }),
  };
  return sections;
}

const std::vector<LabelRule>& CodecInputLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label21", {"ScrollBar1"},
       [](const ControlView& c) { return Db(StageOneDb(c.Position("ScrollBar1"))); }},
      {"Label25", {"ScrollBar11"},
       [](const ControlView& c) { return Db(2 * c.Position("ScrollBar11")); }},
      {"Label26", {"ScrollBar1", "ScrollBar11"},
       [](const ControlView& c) {
         return "Total: " +
                Db(StageOneDb(c.Position("ScrollBar1")) + 2 * c.Position("ScrollBar11"));
       }},
  };
  return rules;
}

const MemoSection& CodecInputMemo() {
  static const MemoSection section{
      "CODEC_INPUT",
      {IntKey("Stage_1", "ScrollBar1"), IntKey("PGA", "ScrollBar11"),
       ChoiceKey("Input_sel", "RadioButton7", "Internal", "External", "RadioButton8"),
       ChoiceKey("Mike_bias", "RadioButton10", "2.4V", "2.2V", "RadioButton9"),
       BoolKey("Mute", "CheckBox60"),
       ChoiceKey("Mike_gnd", "RadioButton2", "Ground", "VCM", "RadioButton1").Chip(3)}};
  return section;
}

}  // namespace vt::editors
