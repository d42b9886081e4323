// The "UL Dyn treatment" tab: AGC limiter release, Low Voice Booster, the
// two-regime noise gate with comfort noise, the uplink harmonizer, their
// labels and the memo section "UL_AGC_PAR".
#pragma once

#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

const std::vector<LabelRule>& UlDynLabels();

// "Limiter release speed", "Low Voice Booster" and the harmonizer's click.
const std::vector<Section>& UlDynSections();
// The harmonizer bar while "Harmonizer level" is checked: its word and a commit.
const Section& UlHarmonizerBar();

// The noise gate: its check box enables or disables parameter id 126, then
// sends; every other control of the gate only sends. Sends nothing unless
// "Noise gate" is checked, shown and the link is up.
void UlNoiseGateClicked(const ControlView& c);
void UlNoiseGateSend(const ControlView& c);

const MemoSection& UlAgcParMemo();

}  // namespace vt::editors
