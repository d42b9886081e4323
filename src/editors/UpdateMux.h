// "UpDate Mux": every block marked for download is switched off and written
// and switched on again through its own check box, in a fixed order.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editors/ControlView.h"
#include "editors/MemoKeys.h"

namespace vt::editors {

// The block check boxes in download order for the chip type (the chip-3
// blocks only where shown).
std::vector<std::string> MuxBlocks(const ControlView& controls, int chipType);

// Unchecks and checks again each checked block of MuxBlocks (each change runs
// the box's own action); `progress` is told each box before it is redone.
// Returns how many blocks were redone.
int RedoMarkedBlocks(ControlView& controls, const FrameState& state,
                     const std::function<void(const std::string&)>& progress = {});

}  // namespace vt::editors
