// The "codec misc" page: its controls (CodecMisc.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct CodecMiscTab {
#include "frame/RowMembers.h"
#include "frame/tabs/CodecMisc.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildCodecMisc(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupCodecMisc(TabContext& ctx);
};

}  // namespace vt::frame
