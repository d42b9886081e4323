// The "Selective echo supp" page: its controls (SelectiveEs.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct SelectiveEsTab {
#include "frame/RowMembers.h"
#include "frame/tabs/SelectiveEs.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildSelectiveEs(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupSelectiveEs(TabContext& ctx);
};

}  // namespace vt::frame
