// The selective echo suppressor's curve as the curve editor holds it: up to
// four points in pixels on a log-frequency (50 Hz to 4 kHz) by level (0 dB
// at the top to -80 dB at the bottom) plot, kept in order of x; the last
// point stands for bin 63. Mouse gestures edit it; the points convert from
// and to the (bin, Q12 gain) pairs of the tab's list.
#pragma once

#include <vector>

#include "editors/SelectiveEs.h"

namespace vt::editors {

struct TCrossPoint {
  int x = 0;
  int y = 0;
};

class CurveModel {
 public:
  CurveModel(int width, int height);

  int FreqToX(double f) const;
  double XToFreq(int x) const;
  int LevelToY(double level) const;
  double YToLevel(int y) const;

  // The points of the list (bin, gain); those after the first with bin 0 are left out.
  void Load(const CurvePoints& points);
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);  // with only the left button held
  void MouseUp();

  // The points back as (bin, gain) pairs, and whether the curve does anything.
  struct Target {
    CurvePoints points;
    bool enable;
  };
  Target ToTarget() const;

  const std::vector<TCrossPoint>& Points() const { return points_; }
  int Dragged() const { return dragged_; }  // -1: none
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int SnapX(double f) const;  // to the centre of its bin
  int width_, height_;
  std::vector<TCrossPoint> points_;  // by x
  int dragged_ = -1;
};

}  // namespace vt::editors
