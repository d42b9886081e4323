// The "Selective echo supp" tab: four curve points (bin, Q12 gain) sent
// either as parameter ids 121 and 122 (with the dynamic control, ids 141 to
// 145) or as a 64-entry gain table poked into handset memory; and the memo
// section "SEL_ES".
#pragma once

#include <array>
#include <string>

#include "editors/ParamLists.h"

namespace vt::editors {

struct CurvePoint {
  int32_t bin = 0;
  int32_t gain = 0;
};
using CurvePoints = std::array<CurvePoint, 4>;

// Rising bins up to one at 63, then only (0, 0): else the single point (63, 4096).
CurvePoints ValidPoints(const CurvePoints& p);
// Entry 0 = 32768; each point's gain multiplies the running value once per
// bin up to its bin.
std::array<int32_t, 64> GainTable(const CurvePoints& p);
// Words of ids 141 to 145 from the "Dynamic control" group.
std::array<int32_t, 5> DynamicWords(const ControlView& controls);

// "update": the points (or a flat table) to the handset. `dynamic` is the
// firmware's dynamic control. Returns the message of a list that could not
// be read (nothing sent), else "".
std::string SelEsUpdate(const ControlView& controls, int chipType, bool dynamic);
// "Selective ES par" clicked (handsets taking parameter blocks only).
std::string SelEsSectionClicked(const ControlView& controls, int chipType, bool dynamic);
// A control of "Dynamic control" changed: while "Selective ES par" is
// checked, ids 141 to 145 and a commit.
void SelEsDynamicChanged(const ControlView& controls);

// A tick of the status timer: while "Selective ES par" is checked and the
// link is free, the modulation level (peeked at 6415) into TrackBar15.
void PollSelectiveEs(ControlView& controls);

const ListMemo& SelEsMemo();

}  // namespace vt::editors
