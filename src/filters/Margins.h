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
  // One side: the margins over [begin, end) and the smallest of them.
  auto side = [tighten](int begin, int end, auto&& margin, MarginRange& range,
                        long double& smallest) {
    range.firstX = begin;
    range.lastX = end;
    range.values.clear();
    smallest = kNoMargin;
    for (int x = begin; x < end; ++x) {
      long double m = margin(x);
      if (tighten) m = m - kTightening;
      if (!std::isfinite(m)) m = NAN;  // a broken point, see above
      range.values.push_back(m);
      if (m < smallest) smallest = m;
    }
  };
  side(columns.upperBegin, columns.upperEnd, [&](int x) { return upper(x) - response(x); },
       out.upper, out.minUpper);
  side(columns.lowerBegin, columns.lowerEnd, [&](int x) { return response(x) - lower(x); },
       out.lower, out.minLower);
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
