// The handset read-back: memo sections filled from the words the handset
// holds ("Q7xx settings to Memo" on each tab, "Q7xx all to Memo"), with the
// keys, order and forms of the control writers. Each section travels under
// one grant of the channel; with the link down, or lost on the way, nothing
// more is written.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editors/MemoKeys.h"

namespace vt::editors {

// The key lines of one section as read from the handset now, or false when
// the section does not apply (chip type, hidden group). Needs the link.
bool ReadSection(const std::string& name, const ControlView& controls, const FrameState& state,
                 KeyLines& lines);

// The sections of "Q7xx all to Memo" for the chip type, in order.
std::vector<std::string> ReadBackOrder(int chipType);

enum class ReadBackEnd { Done, LinkDown };
// Reads the sections in order into the memo, each one written only once it
// has been read whole. `progress` is told each section's name before it is
// read. With the link down (from the start or lost during a section) it
// stops and writes nothing more.
ReadBackEnd ReadBackToMemo(const std::vector<std::string>& names, const ControlView& controls,
                           const FrameState& state, MemoConfig& memo,
                           const std::function<void(const std::string&)>& progress = {});

}  // namespace vt::editors
