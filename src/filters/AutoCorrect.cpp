#include "filters/AutoCorrect.h"

#include <cmath>

#include "filters/FitSteps.h"

namespace vt::filters {

namespace {

// Flatness passes move a band by this share of its mean error.
constexpr long double kFlatnessStep = 0.2L;
// The flatness passes end when the total error changes by less than this share.
constexpr long double kFlatnessSettled = 0.001L;
// Re-centring leaves a third of the spread above 0 dB.
constexpr long double kRecentreDivisor = 3;

}  // namespace

AutoCorrectResult AutoCorrect(FirDesign& fir, const FitContext& context,
                              const AutoCorrectOptions& options, FitObserver& observer) {
  // The run keeps its own inputs: what the window changes while it processes
  // events does not reach this run.
  const FitContext own = context;
  CachedEvaluator evaluator(own, fir);
  return AutoCorrect(fir, own, options, observer, evaluator);
}

AutoCorrectResult AutoCorrect(FirDesign& fir, const FitContext& context,
                              const AutoCorrectOptions& options, FitObserver& observer,
                              ResponseEvaluator& ev) {
  if (fir.tapCount < 1 || fir.tapCount > kMaxTapCount) return AutoCorrectResult{};
  AutoCorrectResult result;
  MaskMargins& margins = result.margins;
  FitRun run(fir, context, options.noFlatness, ev, observer, margins);
  const PlotMapping& plot = run.plot;
  std::vector<long double>& err = run.err;

  run.Refresh();
  observer.Repaint(fir, margins);
  observer.SetProgressText(kMaskCorrectionText);
  observer.Started();
  observer.ProcessEvents();

  while (!margins.Fits() && !observer.Cancelled() &&
         (options.maxMaskPasses == 0 || result.maskPasses < options.maxMaskPasses)) {
    observer.ProcessEvents();
    ViolationErrors(margins, plot, err);
    MaskCorrection(fir, err, run.bands, MaskRule::Wizard);
    ++result.maskPasses;
    // Levels that no fixed-point FIR holds any more: the mask is out of reach,
    // and going on would only drive them further out.
    if (!run.Redesign()) {
      result.maskOutOfReach = true;
      break;
    }
  }

  RecentreLevels(fir, kRecentreDivisor);
  run.Redesign();

  observer.SetProgressText(kFlatnessText);
  long double previous = -100000000;
  bool last = false;
  while (!last && !observer.Cancelled() && !options.noFlatness &&
         (options.maxFlatnessPasses == 0 || result.flatnessPasses < options.maxFlatnessPasses)) {
    observer.ProcessEvents();
    const long double total = FlatnessErrors(margins, plot, err);
    if (result.flatnessPasses == 0) result.firstFlatnessError = total;
    result.lastFlatnessError = total;
    // A NaN change (0 after 0) counts as settled too.
    if (!(fabsl((total - previous) / previous) >= kFlatnessSettled)) last = true;
    previous = total;
    for (int i = 1; i <= run.lastBand; ++i)
      fir.levels[i] += kFlatnessStep * MeanError(err, run.bands[i]);
    run.Redesign();
    ++result.flatnessPasses;
  }

  RecentreLevels(fir, kRecentreDivisor);
  result.designable = run.Redesign();
  result.cancelled = observer.Cancelled();
  result.fits = margins.Fits();
  observer.Finished();
  return result;
}

}  // namespace vt::filters
