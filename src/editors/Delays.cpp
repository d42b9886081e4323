#include "editors/Delays.h"

#include "editors/GlobalPath.h"

namespace vt::editors {

const std::vector<Section>& DelaysSections() {
  static const std::vector<Section> sections = {ParamSection("CheckBox44", "ScrollBar23", 6, 32),
                                                ParamSection("CheckBox45", "ScrollBar24", 7, 32)};
  return sections;
}

const std::vector<LabelRule>& DelaysLabels() {
  auto ms = [](const char* bar) {
    return [=](const ControlView& c) { return EighthsText(c.Position(bar)) + "ms"; };
  };
  static const std::vector<LabelRule> rules = {{"Label39", {"ScrollBar23"}, ms("ScrollBar23")},
                                               {"Label40", {"ScrollBar24"}, ms("ScrollBar24")}};
  return rules;
}

const MemoSection& DelayMemo() {
  static const MemoSection section{
      "DELAY",
      {IntKey("PCM_in_delay", "ScrollBar23", 32), IntKey("PCM_out_delay", "ScrollBar24", 32)}};
  return section;
}

}  // namespace vt::editors
