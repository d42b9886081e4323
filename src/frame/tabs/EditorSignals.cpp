#include "frame/tabs/EditorSignals.h"

#include "editors/CodecSteps.h"

namespace vt::frame {

void BindCodecGain(TabContext& ctx, const editors::Section& section) {
  WidgetControls* controls = &ctx.controls;
  const editors::Section* s = &section;
  OnToggled(ctx, section.checkBox, [s, controls] { editors::CodecGainClicked(*s, *controls); });
  for (const std::string& bar : section.members)
    OnValue(ctx, bar, [s, controls] { editors::SectionMemberChanged(*s, *controls); });
}

void BindLabelsOnChange(TabContext& ctx, const std::vector<editors::LabelRule>& rules) {
  WidgetControls* controls = &ctx.controls;
  const std::vector<editors::LabelRule>* table = &rules;
  for (const editors::LabelRule& r : rules)
    for (const std::string& in : r.inputs)
      OnValue(ctx, in, [table, controls, in] { editors::RefreshLabels(*table, *controls, in); });
}

}  // namespace vt::frame
