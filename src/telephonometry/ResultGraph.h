// The "Result" window's graph worked out without drawing: its limit masks,
// the level range fitted to the curve, and the masks aligned on the curve so
// that the worst margins above and below are equal. Columns run over the
// plot's width, logarithmic in frequency from 50 to 4000 Hz.
#pragma once

#include <vector>

#include "filters/LimitMask.h"
#include "filters/PlotMapping.h"

namespace vt::telephonometry {

using Curve = std::vector<filters::LimitPoint>;  // (Hz, dB), ascending

enum class ResultMaskSet { WindowDefault, Receive, Send };
filters::LimitMask ResultMask(ResultMaskSet set);

// The plot of a W x H paint box (50 .. 4000 Hz).
filters::PlotMapping ResultPlot(int width, int height);

// Whether a list covers column x's frequency (between its first and last
// point), and its level there (linear in Hz; below its first point, that
// point's level).
bool Covers(const Curve& list, long double f);
inline long double LevelAt(const Curve& list, long double f) { return filters::LimitAt(list, f); }

// The level range fitted to the curve over columns 1 .. W-1: its extremes'
// span, at least 5 dB, plus 12 dB, made even, around the truncated centre.
filters::LevelAxis FitResultAxis(const Curve& curve, const filters::PlotMapping& plot);

// How the curve sits in the mask once aligned: both limits move down by
// `offset` = (m_u - m_l) / 2, m_u being the smallest upper margin (mask -
// curve) and m_l the smallest lower one (curve - mask) over the columns where
// the curve and that limit exist; the worst margin on either side is then
// (m_u + m_l) / 2, negative when the curve cannot fit. Without a column on
// either side: offset 0 and no margin.
struct MaskFit {
  long double offset = 0;
  long double margin = 0;
  bool known = false;
};
MaskFit FitMask(const Curve& curve, const filters::LimitMask& mask, const filters::PlotMapping& plot);

}  // namespace vt::telephonometry
