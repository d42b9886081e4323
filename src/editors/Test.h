// The "Test" tab: "Test control" (the DAI clock word, the test mode in DSP
// items 0 and 1, and the DAI set-up of the "DAI" modes), "Update", and the
// fixed "Init DAS" sequence.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editors/ControlView.h"

namespace vt::editors {

// Each returns the message to show when the "DAI clock" text is not an
// integer; nothing is sent then.
std::optional<std::string> TestControlClicked(const ControlView& controls);
// "Mode", "TTY disable bypass" or "TTY disable notification" changed.
std::optional<std::string> TestConfigChanged(const ControlView& controls);
// "Update".
std::optional<std::string> DaiClockUpdate(const ControlView& controls);

// The test mode word of the controls (mode by its text, TTY bits).
int32_t TestModeWord(const ControlView& controls);

// "Init DAS": the codec defaults, the chip type's parameter image, all
// overrides on, under one grant.
void InitDas(int chipType);
// The 190 parameter words "Init DAS" writes for the chip type.
std::vector<int32_t> DefaultParameterImage(int chipType);

}  // namespace vt::editors
