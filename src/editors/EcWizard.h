// The echo-canceller wizard ("EC ES NS Wizzard"): perceptual bars and boxes
// whose positions are mapped to rows of the frame's echo-canceller list and
// of its echo-suppressor list, each change resent at once (the echo
// canceller in changed-rows mode); live detector states peeked from the
// handset; the wizard's own block "EC_wizard" in the memo.
//
// The wizard's controls and the frame's are two views: the wizard's bar
// names (TrackBar14 ...) are also names of frame controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editors/ParamLists.h"

namespace vt {
class LineStore;
}

namespace vt::editors {

// The wizard's pages, in order.
const std::vector<std::string>& WizardPages();

// One control of the wizard. Bars that are not inputs show the handset's
// status; boxes have min = max = 0.
struct WizardControl {
  std::string name;
  int page;  // index in WizardPages()
  std::string caption;
  int min, max, start;
  enum Kind { Input, Status, Box, StatusBox } kind = Input;
  std::string label;  // the caption's label, when it has a designer name
};
const std::vector<WizardControl>& WizardControls();
const WizardControl* FindWizardControl(std::string_view name);

// A row written by a mapping: its key and its value (decimal in the list).
struct WizardRow {
  std::string key;
  int32_t value;
};
// The rows that a control's mapping writes from the wizard's positions
// (echo-canceller rows, or for the three echo-suppressor bars the
// echo-suppressor rows); none for a control that maps to no row.
std::vector<WizardRow> WizardRowsOf(std::string_view control, const ControlView& wizard);
bool WritesEchoSuppressor(std::string_view control);

// What the wizard acts on: its own controls, the frame's, the frame's state
// and the kept texts of the changed-rows send.
struct WizardContext {
  ControlView& wizard;
  ControlView& frame;
  FrameState state;
  KeptRows* kept = nullptr;
  int nesting = 0;  // speed bars being pushed by a neighbour
};

// A wizard control changed. It acts only when it has the input focus or
// when called by code (`byCode`): the rows are rewritten and sent, the
// frame's boxes follow the wizard's. Returns the message of a list that
// could not be sent, else "".
std::string WizardChanged(WizardContext& c, std::string_view control, bool byCode);
// "Resend to target": the fixed rows set, then every mapping run and sent.
std::string WizardResend(WizardContext& c);
// "RESTART EC": the frame's echo-canceller "Send to target".
std::string WizardRestart(WizardContext& c);
// "Calculate": the far-end speech delay from the PCM delays and the uplink
// FIR, set and sent.
std::string WizardCalculate(WizardContext& c);
// "Get from GUI": each input set (by code, so nothing is sent) to the
// position whose mapping comes nearest to the frame's current rows.
void WizardFromFrame(WizardContext& c);

// The launcher's step before showing the window: the section and enable
// boxes of the frame checked (each unchecked one runs its handler through
// the view), changed-rows mode on with no kept text.
void WizardLaunch(ControlView& frame, KeptRows& kept);
// Whether the open-loop detector is shown for this chip type and version.
bool WizardShowsOpenLoop(int chipType, int versionA, int versionB);

// The memo block "EC_wizard": replaced (removed, then appended at the end)
// by "Send to Memo", read back by "Get from Memo" (by code: nothing sent).
void WizardToMemo(const ControlView& wizard, LineStore& memo);
// Returns false when the memo holds no block.
bool WizardFromMemo(const LineStore& memo, ControlView& wizard);

// A status tick for one page: the display bars' positions and the labels'
// texts and colours (0x00BBGGRR: 255 red, 0xFFFFFF white, 0xFFFF00 aqua).
struct WizardStatus {
  std::vector<std::pair<std::string, int>> positions;
  std::vector<std::pair<std::string, bool>> boxes;
  struct Label {
    std::string name;
    std::string text;  // empty: the caption stays
    uint32_t colour;
  };
  std::vector<Label> labels;
};
// Reads the page's status words under one hold of the link. Nothing (and
// nothing sent) when the link is down, not answering or busy with a wait.
std::optional<WizardStatus> PollWizardStatus(int page, const ControlView& wizard);

// The lines of the "Far end signal" page's help.
const std::vector<std::string>& WizardFarEndHelp();

}  // namespace vt::editors
