#include "editors/EchoCanceller.h"

#include "handset/Handset.h"

namespace vt::editors {

namespace {
constexpr const char* kSection = "CheckBox18";
constexpr int kMainWords = 39;  // id 16
constexpr int kExtendedRow = 40;  // rows 40 and 41: id 125

void AcceleratorWords(const ControlView& controls) {
  WriteParam(146, 0, controls.Position("TrackBar14"));
  WriteParam(147, 0, controls.Position("TrackBar16"));
  WriteParam(148, 0, controls.Position("TrackBar17"));
  ApplyParams();
}

// The list in use, read whole before anything is sent.
struct EcBlock {
  RowList rows;
  bool extended;
  ListWords w;
};

EcBlock ReadEc(const ControlView& controls, const FrameState& state) {
  EcBlock b;
  b.rows = controls.ListRows(EcList(state.chipType));
  b.extended = state.hasExtendedEcParams && int(b.rows.size()) >= kExtendedRow + 1;
  b.w = ReadListWords(b.rows, 1, b.extended ? kExtendedRow + 1 : kMainWords);
  return b;
}

// Steps 1 to 4 of the section: the main block, the extended words before
// or after the commit as the firmware takes them.
void SendBlocks(const EcBlock& b, bool enable, KeptRows* kept) {
  auto write = [&](uint8_t id, int row, int word) {
    if (!kept || kept->Changed(row, b.rows[size_t(row - 1)].second))
      WriteParam(id, word, b.w.words[size_t(row - 1)]);
  };
  auto writeExtended = [&] {
    write(125, kExtendedRow, 0);
    write(125, kExtendedRow + 1, 1);
  };
  for (int r = 1; r <= kMainWords; ++r) write(16, r, r - 1);
  if (enable) SetParamOverride(16, true);
  if (b.extended && ApiFlag3()) {
    writeExtended();
    if (enable) SetParamOverride(125, true);
  }
  ApplyParams();
  if (b.extended && !ApiFlag3()) writeExtended();
}
}  // namespace

std::string EcList(int chipType) { return chipType == 3 ? "ValueListEditor9" : "ValueListEditor4"; }

std::string EcSectionClicked(const ControlView& controls, const FrameState& state) {
  if (!controls.Checked(kSection)) {
    LinkHold hold;
    SetParamOverride(16, false);
    SetParamOverride(125, false);
    if (state.hasConvergenceAccelerator) SetParamOverride(146, false);
    return {};
  }
  const EcBlock b = ReadEc(controls, state);
  if (!b.w.ok()) return b.w.error;
  LinkHold hold;
  SendBlocks(b, true, nullptr);
  if (state.hasConvergenceAccelerator) {
    SetParamOverride(146, true);
    AcceleratorWords(controls);
  }
  return {};
}

std::string EcSend(const ControlView& controls, const FrameState& state, KeptRows* kept) {
  if (!controls.Checked(kSection)) return {};
  const EcBlock b = ReadEc(controls, state);
  if (!b.w.ok()) return b.w.error;
  LinkHold hold;
  SendBlocks(b, false, kept);
  return {};
}

void EcAcceleratorSend(const ControlView& controls) {
  if (!controls.Checked(kSection)) return;
  LinkHold hold;
  AcceleratorWords(controls);
}

const ListMemo& EcMemo() {
  static const ListMemo m{
      "EC",
      "",
      {IntKey("EcIccSpeed", "TrackBar14").If(FirmwareFlag::ConvergenceAccelerator),
       IntKey("EcIccTimeOut", "TrackBar16").If(FirmwareFlag::ConvergenceAccelerator),
       IntKey("EcIccThr", "TrackBar17").If(FirmwareFlag::ConvergenceAccelerator)},
      {}};
  return m;
}

}  // namespace vt::editors
