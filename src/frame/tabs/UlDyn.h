// The "UL Dyn treatment" page: its controls (UlDyn.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct UlDynTab {
#include "frame/RowMembers.h"
#include "frame/tabs/UlDyn.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildUlDyn(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupUlDyn(TabContext& ctx);
};

}  // namespace vt::frame
