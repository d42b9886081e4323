// The "Measures / AutoTuning" page: its controls (Measures.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct MeasuresTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Measures.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildMeasures(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupMeasures(TabContext& ctx);
};

}  // namespace vt::frame
