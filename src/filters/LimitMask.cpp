#include "filters/LimitMask.h"

namespace vt::filters {

long double LimitAt(const std::vector<LimitPoint>& points, long double f) {
  const size_t count = points.size();
  if (count == 0) return 0;
  size_t i = 0;
  while (i < count && points[i].freq < f) ++i;
  if (i == 0) return points[0].level;
  if (i == count) return points[count - 1].level;
  const long double t = (f - points[i - 1].freq) / (points[i].freq - points[i - 1].freq);
  return (1 - t) * points[i - 1].level + t * points[i].level;
}

std::vector<std::pair<int, int>> MaskPolyline(const std::vector<LimitPoint>& points,
                                              long double offset, const PlotMapping& plot,
                                              const LevelAxis& axis) {
  std::vector<std::pair<int, int>> out;
  out.reserve(points.size());
  for (const LimitPoint& p : points) {
    out.emplace_back(plot.XOfFreq(p.freq), plot.YOfLevel(p.level - offset, axis));
  }
  return out;
}

}  // namespace vt::filters
