#include "filters/FirFit.h"

#include <cmath>

#include "filters/FitSteps.h"

namespace vt::filters {

namespace {

constexpr long double kRippleBandZeroStep = 0.1L;
constexpr long double kRippleBandStep = 0.5L;
// The ripple passes end when the ripple improves by less than this share.
constexpr long double kRippleSettled = 0.0001L;
// Re-centring leaves half the spread above 0 dB.
constexpr long double kRecentreDivisor = 2;
constexpr long double kLevelFrequency = 1000;

}  // namespace

FitContext FirCalculationContext(const Spectrum& measured) {
  return FitContext{FirCalculationMask(), PlotMapping{}, SpectrumResponse(measured)};
}

FirFitResult FitFir(FirDesign& fir, const FitContext& context, long double targetLevel,
                    FitObserver& observer) {
  const FitContext own = context;  // unaffected by what happens during events
  CachedEvaluator evaluator(own, fir);
  return FitFir(fir, own, targetLevel, observer, evaluator);
}

FirFitResult FitFir(FirDesign& fir, const FitContext& context, long double targetLevel,
                    FitObserver& observer, ResponseEvaluator& ev) {
  if (fir.tapCount < 1 || fir.tapCount > kMaxTapCount) return FirFitResult{};
  FirFitResult result;
  MaskMargins& margins = result.margins;
  FitRun run(fir, context, false, ev, observer, margins);
  const PlotMapping& plot = run.plot;
  std::vector<long double>& err = run.err;

  run.Refresh();
  observer.Repaint(fir, margins);
  observer.Started();
  observer.ProcessEvents();

  while (!result.failed && !margins.Fits() && !observer.Cancelled()) {
    observer.ProcessEvents();
    ViolationErrors(margins, plot, err);
    MaskCorrection(fir, err, run.bands, MaskRule::FirCalculation);
    for (int i = 0; i <= run.lastBand; ++i) {
      if (fir.levels[i] > kLevelLimit || fir.levels[i] < -kLevelLimit) result.failed = true;
    }
    run.Redesign();
    ++result.maskPasses;
  }

  RecentreLevels(fir, kRecentreDivisor);
  run.Redesign();

  if (result.failed) {
    result.rippleMax = kFailedRipple;
    result.rippleMin = 0;
  }
  long double previous = -100000000;
  bool last = false;
  while (!result.failed && !last && !observer.Cancelled()) {
    observer.ProcessEvents();
    FlatnessErrors(margins, plot, err);
    result.rippleMax = -1000;
    result.rippleMin = 1000;
    for (int x = plot.FirstColumn(); x <= plot.LastColumn(); ++x) {
      const long double f = ev.Frequency(x);
      if (f < context.fixed.firstFreq || f > context.fixed.lastFreq) continue;
      const long double v = ev.Total(x);
      if (!std::isfinite(v)) continue;  // a broken measured point has no level
      if (v > result.rippleMax) result.rippleMax = v;
      if (v < result.rippleMin) result.rippleMin = v;
    }
    const long double ripple = result.Ripple();
    observer.RippleChanged(ripple);
    // A NaN improvement (0 after 0) counts as settled too.
    if (!((previous - ripple) / previous >= kRippleSettled)) last = true;
    fir.levels[0] += kRippleBandZeroStep * MeanError(err, run.bands[0]);
    for (int i = 1; i <= run.lastBand; ++i)
      fir.levels[i] += kRippleBandStep * MeanError(err, run.bands[i]);
    run.Redesign();
    previous = ripple;
    ++result.ripplePasses;
  }

  const long double shift = targetLevel - PredictedAt(context.fixed, fir, kLevelFrequency);
  // Without a level at 1000 Hz (a broken measured point there) the levels stay.
  if (std::isfinite(shift)) {
    for (int i = 0; i <= run.lastBand; ++i) fir.levels[i] += shift;
  }
  ev.Design(fir);
  run.Refresh();
  result.cancelled = observer.Cancelled();
  // An unfinished fit has no ripple to show, whichever phase it stopped in.
  if (result.cancelled) result.rippleMax = result.rippleMin = NAN;
  observer.Finished();
  observer.Repaint(fir, margins);
  observer.ProcessEvents();
  return result;
}

}  // namespace vt::filters
