// What a tab's set-up is given besides its own controls: the frame as the
// parent of its helpers, every control of the frame by name (for the
// behaviour layer, and for the few that a tab reads from another tab), and
// the frame's state for the memo writers.
#pragma once

#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

class QWidget;

namespace vt::frame {

class WidgetControls;

struct TabContext {
  QWidget* frame;
  WidgetControls& controls;
  std::function<editors::FrameState()> state;
  // The frame's status timer: disabled until a status button starts it; a
  // tab change stops it.
  QTimer* Timer1;
  // What each tick of Timer1 does, in order of the first member (the frame's
  // Timer1Timer runs them).
  std::vector<std::pair<int, std::function<void()>>> statusPolls;
};

// Wires each section's check box and members to the section switch.
void BindSections(TabContext& ctx, const std::vector<editors::Section>& sections);
// "Send ... to Memo" writes the sections in order; "Get ... from Memo" reads them.
void BindMemoButtons(TabContext& ctx, QPushButton* send, QPushButton* get,
                     std::vector<const editors::MemoSection*> sections);
// "Q7xx settings to Memo": the handset read-back of these sections.
void BindReadBackButton(TabContext& ctx, QPushButton* button, std::vector<std::string> sections);
// Reads the sections from the handset into the active memo, showing each
// section's name while it is read; with the link down (or lost on the way)
// says so once and writes nothing more. False when the link was down.
bool RunReadBack(TabContext& ctx, const std::vector<std::string>& sections);
// Keeps the labels' texts in step with their inputs, and sets them now.
void BindLabels(TabContext& ctx, const std::vector<editors::LabelRule>& rules);

}  // namespace vt::frame
