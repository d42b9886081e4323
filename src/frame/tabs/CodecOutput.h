// The "codec output" page: its controls (CodecOutput.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct CodecOutputTab {
#include "frame/RowMembers.h"
#include "frame/tabs/CodecOutput.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildCodecOutput(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupCodecOutput(TabContext& ctx);
};

}  // namespace vt::frame
