#include "filters/FitSteps.h"

#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "filters/FitObserver.h"

namespace vt::filters {

std::string RippleText(long double ripple) {
  return FloatToStr(Trunc(ripple * 100) * 0.01L) + "db";
}

std::vector<BandRange> BandRanges(const PlotMapping& plot, int tapCount) {
  const long double b = BandWidth(tapCount);
  const int top = std::max(plot.width, 0) + 1;
  auto clamp = [top](int x) { return std::clamp(x, 0, top); };
  std::vector<BandRange> ranges;
  ranges.push_back({clamp(1), clamp(plot.XOfFreq(b))});
  for (int i = 1; i < BandCount(tapCount); ++i) {
    ranges.push_back({clamp(plot.XOfFreq(i * b + 0.01L)), clamp(plot.XOfFreq((i + 1) * b))});
  }
  return ranges;
}

std::vector<long double> ErrorArray(const PlotMapping& plot) {
  return std::vector<long double>(static_cast<size_t>(std::max(plot.width, 0) + 1), 0.0L);
}

long double MeanError(const std::vector<long double>& err, BandRange range) {
  const int hi = std::min(range.hi, static_cast<int>(err.size()));
  if (hi <= range.lo) return 0;
  long double sum = 0;
  for (int x = range.lo; x < hi; ++x) sum += err[x];
  return sum / (hi - range.lo);
}

long double AtLeastTenth(long double a) {
  if (a > -0.1L && a < 0.1L) {
    if (a > 0) return 0.1L;
    if (a < 0) return -0.1L;
  }
  return a;
}

void ViolationErrors(const MaskMargins& margins, const PlotMapping& plot,
                     std::vector<long double>& err) {
  for (int x = plot.FirstColumn(); x <= plot.LastColumn(); ++x) {
    long double e = 0;
    if (margins.upper.Has(x) && margins.upper.At(x) < 0) e = margins.upper.At(x);
    if (margins.lower.Has(x) && margins.lower.At(x) < 0) e = -margins.lower.At(x);
    err[x] = e;
  }
}

long double FlatnessErrors(const MaskMargins& margins, const PlotMapping& plot,
                           std::vector<long double>& err) {
  long double sum = 0;
  for (int x = plot.FirstColumn(); x <= plot.LastColumn(); ++x) {
    long double e = 0;
    if (margins.upper.StrictlyInside(x) && margins.lower.StrictlyInside(x)) {
      e = margins.upper.At(x) - margins.lower.At(x);
      if (!std::isfinite(e)) e = 0;  // a broken point of the spectrum moves nothing
      sum += fabsl(e);
    }
    err[x] = e;
  }
  return sum;
}

void MaskCorrection(FirDesign& fir, const std::vector<long double>& err,
                    const std::vector<BandRange>& bands, MaskRule rule) {
  const int count = std::min({BandCount(fir.tapCount), kMaxLevels, static_cast<int>(bands.size())});
  for (int i = rule == MaskRule::Wizard ? 1 : 0; i < count; ++i) {
    const long double a = AtLeastTenth(MeanError(err, bands[i]));
    const long double step = i == 0 ? 0.1L : i == 1 ? 0.4L : 0.6L;
    fir.levels[i] += a * step;
    if (rule == MaskRule::Wizard && i == 1) fir.levels[0] += a * 0.4L * 0.2L;
  }
}

void RecentreLevels(FirDesign& fir, long double divisor) {
  const int bands = std::min(BandCount(fir.tapCount), kMaxLevels);
  long double highest = -1000, lowest = 1000;
  for (int i = 0; i < bands; ++i) {
    if (fir.levels[i] > highest) highest = fir.levels[i];
    if (fir.levels[i] < lowest) lowest = fir.levels[i];
  }
  const long double shift = (highest - lowest) / divisor - highest;
  for (int i = 0; i < bands; ++i) fir.levels[i] += shift;
}

FitRun::FitRun(FirDesign& fir, const FitContext& context, bool noFlatness, ResponseEvaluator& ev,
               FitObserver& observer, MaskMargins& margins)
    : plot(context.plot),
      columns(ColumnsFor(context.mask, context.plot, context.fixed.firstFreq,
                         context.fixed.lastFreq)),
      bands(BandRanges(context.plot, fir.tapCount)),
      lastBand(BandCount(fir.tapCount) - 1),
      err(ErrorArray(context.plot)),
      fir_(fir),
      noFlatness_(noFlatness),
      ev_(ev),
      observer_(observer),
      margins_(margins) {}

void FitRun::Refresh() {
  ev_.Update(fir_);
  FillMargins(
      columns, noFlatness_, [&](int x) { return ev_.Upper(x); },
      [&](int x) { return ev_.Lower(x); }, [&](int x) { return ev_.Total(x); }, margins_);
}

bool FitRun::Redesign() {
  const bool designed = ev_.Design(fir_);
  Refresh();
  observer_.Repaint(fir_, margins_);
  return designed;
}

}  // namespace vt::filters
