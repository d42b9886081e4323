#include "measure/IirFilters.h"

#include <cmath>
#include <numbers>

namespace vt::measure {

void TGenericIIR::Reset() {
  for (TBiQuad& s : sections_) s.Reset();
}

const TBiQuad* TGenericIIR::Section(int i) const {
  return i >= 0 && i < Sections() ? &sections_[static_cast<size_t>(i)] : nullptr;
}

TBiQuad* TGenericIIR::Section(int i) {
  return i >= 0 && i < Sections() ? &sections_[static_cast<size_t>(i)] : nullptr;
}

bool TGenericIIR::DesignLowPass(double cutoff, double rate, int32_t order) {
  return Design(false, cutoff, rate, order);
}

bool TGenericIIR::DesignHighPass(double cutoff, double rate, int32_t order) {
  return Design(true, cutoff, rate, order);
}

// Bilinear transform of the analogue Butterworth prototype, one section per
// conjugate pole pair; K = tan(pi cutoff / rate) prewarps the cutoff.
bool TGenericIIR::Design(bool highPass, double cutoff, double rate, int32_t order) {
  sections_.clear();
  if (order / 2 > kMaxSections || !(rate > 0) || !(cutoff > 0) || !(cutoff < rate / 2)) return false;
  const double k = std::tan(std::numbers::pi * cutoff / rate);
  const double k2 = k * k;
  for (int32_t i = 0; i < order / 2; ++i) {
    const double theta = (2 * i + 1) * std::numbers::pi / (2 * order);
    const double c = 2 * std::cos(theta) * k;
    const double d = 1 + c + k2;
    TBiQuad s;
    s.a1 = 2 * (k2 - 1) / d;
    s.a2 = (1 - c + k2) / d;
    if (highPass) {
      s.b0 = 1 / d;
      s.b1 = -2 / d;
      s.b2 = 1 / d;
    } else {
      s.b0 = k2 / d;
      s.b1 = 2 * k2 / d;
      s.b2 = k2 / d;
    }
    sections_.push_back(s);
  }
  return true;
}

}  // namespace vt::measure
