// The "TTY" page: its controls (Tty.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct TtyTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Tty.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildTty(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupTty(TabContext& ctx);
};

}  // namespace vt::frame
