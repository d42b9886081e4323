// The "DL Dyn treatment" page: its controls (DlDyn.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct DlDynTab {
#include "frame/RowMembers.h"
#include "frame/tabs/DlDyn.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildDlDyn(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupDlDyn(TabContext& ctx);
  void SetupDlDynBehaviour(TabContext& ctx);
};

}  // namespace vt::frame
