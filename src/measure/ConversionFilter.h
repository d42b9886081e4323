// The 127-tap linear-phase low-pass shared by the by-6 rate converters:
// flat to 2 kHz, -6 dB at 3.6 kHz, 60 dB down from 4.5 kHz at 48000 Hz.
#pragma once

#include <array>

namespace vt::measure {

inline constexpr int kConversionTaps = 127;

// h[0] .. h[126], symmetric, summing to 1.
const std::array<double, kConversionTaps>& ConversionFilter();
// Its gain in dB at `hz` for 48000 Hz (what one converter does to a tone).
double ConversionFilterGainDb(double hz);

}  // namespace vt::measure
