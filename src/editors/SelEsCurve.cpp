#include "editors/SelEsCurve.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vt::editors {

namespace {
constexpr double kFmin = 50, kFmax = 4000, kBottomDb = -80;
constexpr int kHit = 11, kGap = 5;
}  // namespace

CurveModel::CurveModel(int width, int height) : width_(width), height_(height) {
  points_.push_back({width - 1, 0});
}

int CurveModel::FreqToX(double f) const {
  return int(std::trunc(std::log(f / kFmin) / std::log(kFmax / kFmin) * width_));
}
double CurveModel::XToFreq(int x) const {
  return kFmin * std::exp(double(x) / width_ * std::log(kFmax / kFmin));
}
int CurveModel::LevelToY(double level) const {
  return int(std::trunc((0 - level) / (0 - kBottomDb) * height_));
}
double CurveModel::YToLevel(int y) const { return 0 + kBottomDb * y / height_; }

int CurveModel::SnapX(double f) const {
  const int bin = int(std::trunc((f - 31.25) * 0.016));
  return FreqToX(bin * 62.5 + 31.25);
}

void CurveModel::Load(const CurvePoints& p) {
  points_.clear();
  dragged_ = -1;
  double level = 0;
  int32_t bin = 0;
  for (const CurvePoint& c : p) {
    if (c.bin < 1) break;
    level = std::trunc(level + (c.bin - bin) * 20 * std::log10(double(c.gain) / 4096));
    bin = c.bin;
    points_.push_back({FreqToX(c.bin * 62.5 + 31.5), LevelToY(level)});
  }
}

void CurveModel::MouseDown(int x, int y) {
  for (size_t k = 0; k < points_.size(); ++k)
    if (std::abs(x - points_[k].x) < kHit && std::abs(y - points_[k].y) < kHit) {
      dragged_ = int(k);
      return;
    }
  dragged_ = -1;
  const double f = XToFreq(x);
  if (points_.size() > 3 || f <= 94) return;
  const int sx = SnapX(f);
  if (std::any_of(points_.begin(), points_.end(), [&](const TCrossPoint& p) { return p.x == sx; }))
    return;
  points_.push_back({sx, y});
  std::stable_sort(points_.begin(), points_.end(),
                   [](const TCrossPoint& a, const TCrossPoint& b) { return a.x < b.x; });
  for (size_t k = 0; k < points_.size(); ++k)
    if (points_[k].x == sx) dragged_ = int(k);
}

void CurveModel::MouseMove(int x, int y) {
  if (dragged_ < 0) return;
  y = std::max(y, 0);
  const size_t k = size_t(dragged_);
  TCrossPoint& p = points_[k];
  if (k + 1 == points_.size()) {  // bin 63: up and down only, never off the plot
    p.y = std::min(y, height_ - 4);
    return;
  }
  const int sx = SnapX(std::max(XToFreq(x), 93.0));
  const int left = k == 0 ? kGap : points_[k - 1].x + kGap;
  if (sx > left && sx < points_[k + 1].x - kGap) p = {sx, y};
}

void CurveModel::MouseUp() {
  dragged_ = -1;
  points_.erase(std::remove_if(points_.begin(), points_.end(),
                               [this](const TCrossPoint& p) { return p.y > height_; }),
                points_.end());
}

CurveModel::Target CurveModel::ToTarget() const {
  Target t{};
  std::array<double, 4> levels{};
  for (size_t k = 0; k < points_.size() && k < 4; ++k) {
    t.points[k].bin = k + 1 == points_.size() ? 63 : int32_t(std::trunc(XToFreq(points_[k].x) * 0.016));
    levels[k] = std::trunc(YToLevel(points_[k].y));
  }
  t.enable = !(points_.size() == 1 && levels[0] == 0);
  int32_t bin = 0;
  double level = 0;
  for (size_t k = 0; k < 4 && t.points[k].bin != 0; ++k) {
    const double step = 0.05 * (levels[k] - level) / (t.points[k].bin - bin);
    t.points[k].gain = int32_t(std::trunc(std::pow(10.0, step) * 4096));
    bin = t.points[k].bin;
    level = levels[k];
  }
  return t;
}

}  // namespace vt::editors
