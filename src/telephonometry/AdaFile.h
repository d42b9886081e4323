// Ear data files ("*.ada"): the published transfer function of an artificial
// ear from the ear reference point to the drum reference point, as plain text
// holding frequency/level pairs.
#pragma once

#include <string>
#include <string_view>

#include "filters/ResponsePoints.h"

namespace vt::telephonometry {

// Numbers are read from the text in order, anything that is not part of a
// number skipped: digits with an optional decimal point and fraction, negative
// when a minus sign stands right before them. A number above 10 is a frequency
// (Hz) and the next number its level (dB); numbers up to 10 that do not follow
// a frequency (a version, a point count) are ignored.
struct AdaData {
  filters::Spectrum points;
  std::string error;  // "" when the points can be used

  bool Ok() const { return error.empty(); }
};

// The points of the text; `error` says why they cannot be used: fewer than
// two points, frequencies that do not rise, a number too large to hold.
AdaData ParseAda(std::string_view text);

}  // namespace vt::telephonometry
