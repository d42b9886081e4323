// The "Home" page: its controls (Home.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct HomeTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Home.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildHome(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupHome(TabContext& ctx);
  void Button142Click();
};

}  // namespace vt::frame
