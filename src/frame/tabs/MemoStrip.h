// The strip below the pages: its controls (MemoStrip.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct MemoStripTab {
#include "frame/RowMembers.h"
#include "frame/tabs/MemoStrip.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildMemoStrip(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupMemoStrip(TabContext& ctx);
};

}  // namespace vt::frame
