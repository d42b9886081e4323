#include "telephonometry/ResultGraph.h"

#include <algorithm>

#include "filters/Margins.h"

namespace vt::telephonometry {

filters::LimitMask ResultMask(ResultMaskSet set) {
  switch (set) {
    case ResultMaskSet::Receive:
      return {"", {{70, -10}, {200, 2}, {3990, 2}}, {{300, -9}, {1000, -7}, {3400, -12}}};
    case ResultMaskSet::Send:
      return {"",
              {{100, -12}, {200, 0}, {1000, 0}, {2000, 4}, {3400, 4}, {3990, 0}},
              {{300, -12}, {1000, -6}, {3000, -6}, {3400, -9}}};
    case ResultMaskSet::WindowDefault: break;
  }
  return {"",
          {{100, -12}, {200, 0}, {300, 2}, {1000, 0}, {3000, 2}, {4000, 2}},
          {{300, -7}, {500, -5}, {3000, -5}, {3400, -10}}};
}

filters::PlotMapping ResultPlot(int width, int height) {
  filters::PlotMapping plot;
  plot.width = width;
  plot.height = height;
  plot.fmin = 50;
  plot.fmax = 4000;
  return plot;
}

bool Covers(const Curve& list, long double f) {
  return !list.empty() && f >= list.front().freq && f <= list.back().freq;
}

filters::LevelAxis FitResultAxis(const Curve& curve, const filters::PlotMapping& plot) {
  long double max = -200, min = 200;
  for (int x = 1; x < plot.width; ++x) {
    const long double v = LevelAt(curve, plot.FreqOfX(x));
    max = std::max(max, v);
    min = std::min(min, v);
  }
  return filters::LevelAxis::Fit(max, min, 12);
}

MaskFit FitMask(const Curve& curve, const filters::LimitMask& mask, const filters::PlotMapping& plot) {
  long double mu = filters::kNoMargin, ml = filters::kNoMargin;
  bool upper = false, lower = false;
  for (int x = 1; x < plot.width; ++x) {
    const long double f = plot.FreqOfX(x);
    if (!Covers(curve, f)) continue;
    const long double c = LevelAt(curve, f);
    if (Covers(mask.upper, f)) {
      mu = std::min(mu, mask.Upper(f) - c);
      upper = true;
    }
    if (Covers(mask.lower, f)) {
      ml = std::min(ml, c - mask.Lower(f));
      lower = true;
    }
  }
  if (!upper || !lower) return {};
  return {(mu - ml) / 2, (mu + ml) / 2, true};
}

}  // namespace vt::telephonometry
