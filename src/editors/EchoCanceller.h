// The "Echo canceller" tab: its word list (parameter id 16, and 125 for the
// two extended words), the Initial Convergence Accelerator (ids 146 to 148)
// and the memo section "EC".
#pragma once

#include <string>

#include "editors/ParamLists.h"

namespace vt::editors {

// The list in use for the chip type: ValueListEditor9 on type 3, else ValueListEditor4.
std::string EcList(int chipType);

// "Echo can par" clicked. Returns the message of a list that could not be
// read (nothing sent), else "".
std::string EcSectionClicked(const ControlView& controls, const FrameState& state);
// "Send to target", while "Echo can par" is checked. With `kept` (the wizard
// is running) only rows whose text changed since the last such send go out.
std::string EcSend(const ControlView& controls, const FrameState& state, KeptRows* kept = nullptr);
// One of the accelerator's bars moved: while "Echo can par" is checked, the
// three positions to ids 146, 147, 148 and a commit.
void EcAcceleratorSend(const ControlView& controls);

const ListMemo& EcMemo();

}  // namespace vt::editors
