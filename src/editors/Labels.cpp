#include "editors/Labels.h"

#include <algorithm>

namespace vt::editors {

void RefreshLabels(const std::vector<LabelRule>& rules, ControlView& controls,
                   std::string_view changed) {
  for (const LabelRule& r : rules)
    if (changed.empty() || std::find(r.inputs.begin(), r.inputs.end(), changed) != r.inputs.end())
      controls.SetText(r.label, r.text(controls));
}

std::string HertzText(long long hz) { return std::to_string(hz) + "Hz"; }

}  // namespace vt::editors
