// The "Echo canceller" page: its controls (EchoCanceller.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct EchoCancellerTab {
#include "frame/RowMembers.h"
#include "frame/tabs/EchoCanceller.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildEchoCanceller(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupEchoCanceller(TabContext& ctx);
};

}  // namespace vt::frame
