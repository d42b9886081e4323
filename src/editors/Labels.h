// Labels that show a value computed from controls, declared once: the
// label, the controls it depends on, and its formula.
//
//   LabelRule{"Label48", {"ScrollBar28"}, [](const ControlView& c) { ... }}
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/ControlView.h"

namespace vt::editors {

struct LabelRule {
  std::string label;
  std::vector<std::string> inputs;
  std::function<std::string(const ControlView&)> text;
};

// Sets the text of every label that depends on `changed`; an empty name
// refreshes them all.
void RefreshLabels(const std::vector<LabelRule>& rules, ControlView& controls,
                   std::string_view changed = {});

// Shared formulas.
// A frequency in whole hertz: "1000000Hz".
std::string HertzText(long long hz);

}  // namespace vt::editors
