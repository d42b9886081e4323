#include "filters/Margins.h"

namespace vt::filters {

namespace {

void LimitColumns(const std::vector<LimitPoint>& points, const PlotMapping& plot,
                  long double firstFreq, long double lastFreq, int& begin, int& end) {
  begin = end = 0;
  if (points.empty()) return;
  const long double start = firstFreq > points.front().freq ? firstFreq : points.front().freq;
  const long double stop = lastFreq < points.back().freq ? lastFreq : points.back().freq;
  if (!(stop > start)) return;
  begin = plot.XOfFreq(start) + 1;
  end = plot.XOfFreq(stop) - 1;
  if (end < begin) end = begin;
}

}  // namespace

bool MaskMargins::Fits() const {
  for (long double m : upper.values) {
    if (m < 0) return false;
  }
  for (long double m : lower.values) {
    if (m < 0) return false;
  }
  return true;
}

MarginColumns ColumnsFor(const LimitMask& mask, const PlotMapping& plot, long double firstFreq,
                         long double lastFreq) {
  MarginColumns c;
  LimitColumns(mask.upper, plot, firstFreq, lastFreq, c.upperBegin, c.upperEnd);
  LimitColumns(mask.lower, plot, firstFreq, lastFreq, c.lowerBegin, c.lowerEnd);
  return c;
}

MaskMargins ComputeMargins(const LimitMask& mask, const PlotMapping& plot, long double firstFreq,
                           long double lastFreq, bool tighten,
                           const std::function<long double(long double)>& response) {
  MaskMargins out;
  FillMargins(
      ColumnsFor(mask, plot, firstFreq, lastFreq), tighten,
      [&](int x) { return mask.Upper(plot.FreqOfX(x)); },
      [&](int x) { return mask.Lower(plot.FreqOfX(x)); },
      [&](int x) { return response(plot.FreqOfX(x)); }, out);
  return out;
}

}  // namespace vt::filters
