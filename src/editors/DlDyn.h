// The "DL Dyn treatment" tab: peak limiter, noise gate, voice compressor and
// downlink harmonizer, their labels, the live status read-outs and the memo
// section "AGC_PAR".
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

const std::vector<LabelRule>& DlDynLabels();

// The harmonizer's click (the uplink word read and written back first), and
// its bar while checked.
const Section& DlHarmonizerClick();
const Section& DlHarmonizerBar();

// Peak limiter: "DL peak" clicked, and the shared handler of its three bars
// and "Enable". With "Link w/i limiter" checked the handler sets "Post gain"
// from the threshold shown.
void PeakLimiterClicked(ControlView& c);
void PeakLimiterChanged(ControlView& c);

// Noise gate, as on the uplink (parameter ids 112 to 120).
void DlNoiseGateClicked(const ControlView& c);
void DlNoiseGateSend(const ControlView& c);

// Voice compressor: "Voice" clicked; one of its five bars changed (labels are
// refreshed by the caller). `redraw` repaints the tuning graph.
void VoiceCompressorClicked(const ControlView& c);
void VoiceCompressorBarChanged(ControlView& c, std::string_view bar,
                               const std::function<void()>& redraw);
// The six words of parameter id 24.
std::vector<int32_t> VoiceCompressorWords(const ControlView& c);
// Forgets the ordering flags (with a new frame).
void ResetVoiceCompressorFlags();

// Status polls, one timer tick each: skipped without a word on the link when
// it is down, not answering or busy with another wait. The caller checks the
// page and the button captions.
void PollDlNoiseGate(ControlView& c);
void PollVoiceCompressor(ControlView& c);
bool LinkFreeForPoll();

const MemoSection& AgcParMemo();

}  // namespace vt::editors
