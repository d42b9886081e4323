#include "filters/PlotMapping.h"

#include <cmath>

#include "common/Numbers.h"

namespace vt::filters {

namespace {

// Pixel coordinates of absurd inputs (zero or negative frequencies, empty level
// ranges) are held to this magnitude instead of overflowing.
constexpr long double kFarPixel = 1e9L;

int PixelOf(long double v) {
  if (std::isnan(v)) return 0;
  if (v > kFarPixel) v = kFarPixel;
  if (v < -kFarPixel) v = -kFarPixel;
  return static_cast<int>(Trunc(v));
}

}  // namespace

LevelAxis LevelAxis::Fit(long double max, long double min, long double extra) {
  long double centre = (max + min) / 2;
  long double span = max - min;
  if (!(span >= 5)) span = 5;
  if (span > 1e6L) span = 1e6L;
  span = span + extra;
  span = 2 * Trunc(span / 2);
  if (!std::isfinite(centre)) centre = 0;
  if (centre > 1e6L) centre = 1e6L;
  if (centre < -1e6L) centre = -1e6L;
  centre = Trunc(centre);
  return {centre + span / 2, centre - span / 2};
}

long double PlotMapping::FreqOfX(long double x) const {
  return fmin * powl(fmax / fmin, x / width);
}

int PlotMapping::XOfFreq(long double f) const {
  return PixelOf(width * logl(f / fmin) / logl(fmax / fmin));
}

int PlotMapping::YOfLevel(long double v, const LevelAxis& axis) const {
  return PixelOf(height * (axis.top - v) / (axis.top - axis.bottom));
}

long double PlotMapping::LevelOfY(long double y, const LevelAxis& axis) const {
  return axis.top - (axis.top - axis.bottom) * y / height;
}

std::vector<long double> PlotMapping::GridFrequencies() const {
  std::vector<long double> out;
  for (int x = FirstColumn(); x <= LastColumn(); ++x) out.push_back(FreqOfX(x));
  return out;
}

LevelAxis PlotMapping::FitAxis(const std::function<long double(long double)>& curve,
                               long double extra) const {
  long double max = -200, min = 200;
  for (int x = FirstColumn(); x <= LastColumn(); ++x) {
    const long double v = curve(FreqOfX(x));
    if (v > max) max = v;
    if (v < min) min = v;
  }
  return LevelAxis::Fit(max, min, extra);
}

}  // namespace vt::filters
