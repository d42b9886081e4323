// The "codec input" page: its controls (CodecInput.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct CodecInputTab {
#include "frame/RowMembers.h"
#include "frame/tabs/CodecInput.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildCodecInput(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupCodecInput(TabContext& ctx);
};

}  // namespace vt::frame
