// Limit masks: an upper and a lower polyline in dB over frequency that a
// predicted response must stay between once the mask is shifted to sit
// around it. Holds every mask the two wizards and the FIR calculation offer.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "filters/PlotMapping.h"

namespace vt::filters {

struct LimitPoint {
  long double freq;   // Hz
  long double level;  // dB
};

// Limit at f over breakpoints in ascending frequency: the first breakpoint's
// level at and below it, linear in Hz between breakpoints, the last level above
// the last one.
long double LimitAt(const std::vector<LimitPoint>& points, long double f);

struct LimitMask {
  std::string name;  // the radio caption ("TS26.131", ...), empty for others
  std::vector<LimitPoint> upper;
  std::vector<LimitPoint> lower;

  long double Upper(long double f) const { return LimitAt(upper, f); }
  long double Lower(long double f) const { return LimitAt(lower, f); }
};

enum class Wizard { Downlink, Uplink };

// The captions of the wizard's "Limit mask" radio buttons, in their order.
std::vector<std::string> MaskNames(Wizard wizard);
// The mask of one caption; nothing for a caption the wizard does not offer.
std::optional<LimitMask> FindMask(Wizard wizard, std::string_view name);
// The mask in force when the wizard window is created ("GSM03.50"; the DL one
// with its last upper point at 4000 Hz).
LimitMask CreationMask(Wizard wizard);
// The fixed +-10 dB mask of the FIR calculation, 100..4000 Hz.
LimitMask FirCalculationMask();

// Pixel polyline of one limit shifted by -offset dB, on the given level axis.
std::vector<std::pair<int, int>> MaskPolyline(const std::vector<LimitPoint>& points,
                                              long double offset, const PlotMapping& plot,
                                              const LevelAxis& axis);

}  // namespace vt::filters
