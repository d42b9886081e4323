// Margins between a predicted response and a limit mask over the pixel grid,
// the alignment that centres the mask on the response, and the fit test.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "filters/LimitMask.h"
#include "filters/PlotMapping.h"

namespace vt::filters {

// Largest margin the computation starts from, dB.
inline constexpr long double kNoMargin = 2000;
// How much tighter each limit is taken when flatness optimisation is off, dB.
inline constexpr long double kTightening = 0.5L;

// Margins of one limit for the columns firstX .. lastX-1 (entry x - firstX).
struct MarginRange {
  int firstX = 0;
  int lastX = 0;
  std::vector<long double> values;

  bool Has(int x) const { return x >= firstX && x < lastX; }
  bool StrictlyInside(int x) const { return x > firstX && x < lastX; }
  long double At(int x) const { return values[static_cast<size_t>(x - firstX)]; }
};

struct MaskMargins {
  MarginRange upper;  // aligned upper limit - response; negative above the limit
  MarginRange lower;  // response - aligned lower limit; negative below the limit
  long double minUpper = kNoMargin;  // before alignment
  long double minLower = kNoMargin;
  // The alignment: the mask is shifted by -offset dB.
  long double offset = 0;

  // No stored margin is negative (true without margins).
  bool Fits() const;
  void Clear() { *this = MaskMargins{}; }
};

// The columns on which a mask is compared with a response known between
// firstFreq and lastFreq: [begin, end) for each limit, empty where they do not
// overlap.
struct MarginColumns {
  int upperBegin = 0, upperEnd = 0;
  int lowerBegin = 0, lowerEnd = 0;
};

MarginColumns ColumnsFor(const LimitMask& mask, const PlotMapping& plot, long double firstFreq,
                         long double lastFreq);

// Fills the margins from per-column limits and response, then aligns them.
// upper(x), lower(x) and response(x) give dB at column x; tighten takes each
// limit kTightening dB in. A margin that is not finite (a spectrum point of
// -inf dB, as a pasted linear amplitude of 0 gives, or a NaN) is stored as NaN:
// it counts neither for the smallest margins nor for the fit and moves no band,
// so one broken point can neither make the alignment infinite nor keep a run
// from ending.
template <class Upper, class Lower, class Response>
void FillMargins(const MarginColumns& columns, bool tighten, Upper upper, Lower lower,
                 Response response, MaskMargins& out) {
  out.upper.firstX = columns.upperBegin;
  out.upper.lastX = columns.upperEnd;
  out.upper.values.clear();
  out.minUpper = kNoMargin;
  for (int x = columns.upperBegin; x < columns.upperEnd; ++x) {
    long double margin = upper(x) - response(x);
    if (tighten) margin = margin - kTightening;
    if (!std::isfinite(margin)) margin = NAN;  // a broken point, see above
    out.upper.values.push_back(margin);
    if (margin < out.minUpper) out.minUpper = margin;
  }
  out.lower.firstX = columns.lowerBegin;
  out.lower.lastX = columns.lowerEnd;
  out.lower.values.clear();
  out.minLower = kNoMargin;
  for (int x = columns.lowerBegin; x < columns.lowerEnd; ++x) {
    long double margin = response(x) - lower(x);
    if (tighten) margin = margin - kTightening;
    if (!std::isfinite(margin)) margin = NAN;
    out.lower.values.push_back(margin);
    if (margin < out.minLower) out.minLower = margin;
  }
  out.offset = (out.minUpper - out.minLower) / 2;
  for (long double& m : out.upper.values) m = m - out.offset;
  for (long double& m : out.lower.values) m = m + out.offset;
}

// Margins of a response given in dB at f Hz, known between firstFreq and lastFreq
// (what a wizard's paint needs).
MaskMargins ComputeMargins(const LimitMask& mask, const PlotMapping& plot, long double firstFreq,
                           long double lastFreq, bool tighten,
                           const std::function<long double(long double)>& response);

}  // namespace vt::filters
