// The "DSP config" page: its controls (DspConfig.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct DspConfigTab {
#include "frame/RowMembers.h"
#include "frame/tabs/DspConfig.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildDspConfig(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupDspConfig(TabContext& ctx);
};

}  // namespace vt::frame
