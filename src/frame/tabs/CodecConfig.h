// The "codec config" page: its controls (CodecConfig.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct CodecConfigTab {
#include "frame/RowMembers.h"
#include "frame/tabs/CodecConfig.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildCodecConfig(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupCodecConfig(TabContext& ctx);
};

}  // namespace vt::frame
