// The "Noise suppressor" page: its controls (NoiseSuppressor.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct NoiseSuppressorTab {
#include "frame/RowMembers.h"
#include "frame/tabs/NoiseSuppressor.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildNoiseSuppressor(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupNoiseSuppressor(TabContext& ctx);
};

}  // namespace vt::frame
