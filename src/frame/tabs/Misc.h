// The "Misc" page: its controls (Misc.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct MiscTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Misc.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildMisc(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupMisc(TabContext& ctx);
};

}  // namespace vt::frame
