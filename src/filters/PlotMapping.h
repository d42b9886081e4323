// The wizards' plot: logarithmic frequency across W pixel columns, linear dB
// down H pixel rows, and the pixel grid on which responses, margins and the
// auto-correction are evaluated (one frequency per column, x = 1..W-2).
#pragma once

#include <functional>
#include <vector>

namespace vt::filters {

// A level range of the plot, top row first.
struct LevelAxis {
  long double top = 0;
  long double bottom = -40;

  // The range rule of the plots for a curve with extremes max and min: the span
  // (at least 5 dB) plus extra dB, made even, around the truncated centre.
  static LevelAxis Fit(long double max, long double min, long double extra);
};

// Extra span of the filter axis and of the pasted (measured) axis, dB.
inline constexpr long double kFilterAxisExtra = 4;
inline constexpr long double kPastedAxisExtra = 12;

struct PlotMapping {
  int width = 609;   // W, pixels
  int height = 297;  // H, pixels
  long double fmin = 50;
  long double fmax = 4000;
  LevelAxis filterAxis;  // the filters' curve
  LevelAxis pastedAxis;  // the pasted spectrum, the predicted curve and the mask

  long double FreqOfX(long double x) const;
  int XOfFreq(long double f) const;
  int YOfLevel(long double v, const LevelAxis& axis) const;
  long double LevelOfY(long double y, const LevelAxis& axis) const;
  int YOfLevel(long double v) const { return YOfLevel(v, filterAxis); }
  long double LevelOfY(long double y) const { return LevelOfY(y, filterAxis); }

  // The pixel grid: columns 1..W-2.
  int FirstColumn() const { return 1; }
  int LastColumn() const { return width - 2; }
  std::vector<long double> GridFrequencies() const;  // [x - 1] = FreqOfX(x)

  // The range rule applied to a curve over the pixel grid (max starts at -200,
  // min at 200).
  LevelAxis FitAxis(const std::function<long double(long double)>& curve,
                    long double extra) const;
};

}  // namespace vt::filters
