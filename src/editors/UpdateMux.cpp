#include "editors/UpdateMux.h"

namespace vt::editors {

std::vector<std::string> MuxBlocks(const ControlView& controls, int chipType) {
  // Audio path; codec input, output, misc; echo and noise lists; filters;
  // global path; UL dynamics; delays; DSP config; PCM config; DL dynamics.
  std::vector<std::string> boxes = {
      "CheckBox63", "CheckBox3",  "CheckBox46", "CheckBox56", "CheckBox59", "CheckBox2",
      "CheckBox57", "CheckBox58", "CheckBox61", "CheckBox69", "CheckBox70", "CheckBox71",
      "CheckBox18", "CheckBox19", "CheckBox20", "CheckBox9",  "CheckBox10", "CheckBox15",
      "CheckBox83", "CheckBox31", "CheckBox32", "CheckBox6",  "CheckBox74", "CheckBox33",
      "CheckBox34", "CheckBox35", "CheckBox82", "CheckBox39", "CheckBox38", "CheckBox44",
      "CheckBox45", "CheckBox4",  "CheckBox76", "CheckBox29", "CheckBox11", "CheckBox16",
      "CheckBox27", "CheckBox36", "CheckBox42", "CheckBox7",  "CheckBox21", "CheckBox23",
      "CheckBox25", "CheckBox81", "CheckBox87", "CheckBox91", "CheckBox94"};
  if (chipType == 3) {
    // Selective ES par, DL noise sup param, Voice, Selective ES, ClearLift,
    // MIDI enhancer, MIDI mixer, Peak limiter, Voice compressor, DL Noise
    // Gate, DL Noise Supp, the DL and UL harmonizer levels.
    for (const char* box :
         {"CheckBox96", "CheckBox13", "CheckBox108", "CheckBox100", "CheckBox111", "CheckBox113",
          "CheckBox114", "CheckBox103", "CheckBox104", "CheckBox106", "CheckBox109", "CheckBox41",
          "CheckBox40"})
      if (controls.Shown(box)) boxes.push_back(box);
  }
  return boxes;
}

int RedoMarkedBlocks(ControlView& controls, const FrameState& state,
                     const std::function<void(const std::string&)>& progress) {
  int redone = 0;
  for (const std::string& box : MuxBlocks(controls, state.chipType)) {
    if (!controls.Checked(box)) continue;
    if (progress) progress(box);
    controls.SetChecked(box, false);
    controls.SetChecked(box, true);
    ++redone;
  }
  return redone;
}

}  // namespace vt::editors
