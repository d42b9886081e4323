// The "Global path adj" page: its controls (GlobalPath.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct GlobalPathTab {
#include "frame/RowMembers.h"
#include "frame/tabs/GlobalPath.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildGlobalPath(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupGlobalPath(TabContext& ctx);
};

}  // namespace vt::frame
