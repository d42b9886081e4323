// The "PCM port" page: its controls (PcmPort.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct PcmPortTab {
#include "frame/RowMembers.h"
#include "frame/tabs/PcmPort.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildPcmPort(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupPcmPort(TabContext& ctx);
};

}  // namespace vt::frame
