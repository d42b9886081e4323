// The "Music treatment" page: its controls (Music.def) and their set-up.
#pragma once

#include "frame/ControlTypes.h"

namespace vt::frame {

class Builder;
struct TabContext;

struct MusicTab {
#include "frame/RowMembers.h"
#include "frame/tabs/Music.def"
#include "frame/RowsEnd.h"

  // Creates the controls of the rows, in row order.
  void BuildMusic(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip);
  // Layout touches and behaviour, once every control of the frame exists.
  void SetupMusic(TabContext& ctx);
};

}  // namespace vt::frame
