// The single figures of the loudness and echo measurements, worked out from a
// 31-band third-octave grid (band 18 on 1000 Hz; bands 11 to 24 are 200 to
// 4000 Hz): the loudness rating with m = 0.175 and the weighted terminal
// coupling loss, the trapezoidal mean of the band losses from 315 to 3150 Hz.
#pragma once

#include <array>

#include "filters/ThirdOctaveBands.h"

namespace vt::telephonometry {

using Weights = std::array<long double, 14>;  // 200 .. 4000 Hz, dB
extern const Weights kReceiveWeights, kSendWeights;

// -(10/m) log10(sum over bands 11..24 of 10^(m (S - W + 0.3) / 10)); a band
// without a measured point (-200 dB) adds nothing.
long double LoudnessRating(const filters::BandSpectrum& grid, const Weights& weights);
// -10 log10 of the trapezoidal mean of 10^(x/10) over bands 13..23.
long double WeightedTcl(const filters::BandSpectrum& grid);

}  // namespace vt::telephonometry
