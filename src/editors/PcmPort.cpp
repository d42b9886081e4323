#include "editors/PcmPort.h"

namespace vt::editors {

namespace {
// The CLK frequency: 1 MHz over (divider + 1), truncated.
long long ClockHz(const ControlView& c) { return 1000000 / (c.Position("ScrollBar28") + 1); }
}  // namespace

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

}  // namespace vt::editors
