// The "Test" page: its controls (Test.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct TestTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Test.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildTest(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupTest(TabContext& ctx);
};

}  // namespace vt::frame
