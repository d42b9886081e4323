#include "telephonometry/Ratings.h"

#include <cmath>

namespace vt::telephonometry {

const Weights kReceiveWeights = {85.0L, 74.7L, 79.0L, 63.7L, 73.5L, 69.1L, 68.0L,
                                 68.7L, 75.1L, 70.4L, 81.4L, 76.5L, 93.3L, 113.8L};
const Weights kSendWeights = {76.9L, 62.6L, 62.0L, 44.7L, 53.1L, 48.5L, 47.6L,
                              50.1L, 59.1L, 56.7L, 72.2L, 72.6L, 89.2L, 117.0L};

namespace {
constexpr long double kM = 0.175L;
constexpr int kFirstLoudnessBand = 11;  // 200 Hz
constexpr int kFirstTclBand = 13, kLastTclBand = 23;  // 315 .. 3150 Hz
}  // namespace

long double LoudnessRating(const filters::BandSpectrum& grid, const Weights& weights) {
  long double sum = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    const long double s = grid.Level(kFirstLoudnessBand + static_cast<int>(i));
    sum += std::pow(10.0L, 0.1L * kM * (s - weights[i] + 0.3L));
  }
  return -(10 / kM) * std::log10(sum);
}

long double WeightedTcl(const filters::BandSpectrum& grid) {
  long double sum = 0;
  for (int j = kFirstTclBand; j <= kLastTclBand; ++j) {
    const long double y = std::pow(10.0L, 0.1L * grid.Level(j));
    sum += (j == kFirstTclBand || j == kLastTclBand) ? 0.5L * y : y;
  }
  return -10 * std::log10(0.1L * sum);
}

}  // namespace vt::telephonometry
