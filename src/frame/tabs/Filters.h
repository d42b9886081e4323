// The "Filters" page: its controls (Filters.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct FiltersTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Filters.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildFilters(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupFilters(TabContext& ctx);
};

}  // namespace vt::frame
