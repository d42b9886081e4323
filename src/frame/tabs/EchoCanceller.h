// The "Echo canceller" page: its controls (EchoCanceller.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"
#include "editors/ParamLists.h"

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

  // The row texts last sent while the echo-canceller wizard runs; the wizard
  // clears them when it starts, so that its first send writes every row.
  editors::KeptRows EcKeptRows;
};

}  // namespace vt::frame
