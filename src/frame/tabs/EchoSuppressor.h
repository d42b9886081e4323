// The "Echo suppressor" page: its controls (EchoSuppressor.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct EchoSuppressorTab {
#include "frame/RowMembers.h"
#include "frame/tabs/EchoSuppressor.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildEchoSuppressor(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupEchoSuppressor(TabContext& ctx);
};

}  // namespace vt::frame
