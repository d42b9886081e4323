// The "Delays" page: its controls (Delays.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct DelaysTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Delays.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildDelays(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupDelays(TabContext& ctx);
};

}  // namespace vt::frame
