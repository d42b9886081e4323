// The FIR calculation: a symmetric correction FIR that keeps a measured
// response inside a fixed +-10 dB mask, then minimises its ripple, then puts it
// on a target level at 1000 Hz.
#pragma once

#include "filters/FirDesign.h"
#include "filters/FitEvaluator.h"
#include "filters/FitObserver.h"
#include "filters/Margins.h"
#include "filters/ResponsePoints.h"

namespace vt::filters {

// A band level past +-kLevelLimit dB ends the mask phase as a failure.
inline constexpr long double kLevelLimit = 200;
// Ripple reported for a failed fit, dB.
inline constexpr long double kFailedRipple = 1000;

struct FirFitResult {
  bool failed = false;     // a level left +-kLevelLimit dB
  // The observer ended a loop: the fit is unfinished and its ripple unknown (NaN).
  bool cancelled = false;
  long double rippleMax = 0, rippleMin = 0;
  int maskPasses = 0;
  int ripplePasses = 0;
  MaskMargins margins;  // of the final taps

  long double Ripple() const { return rippleMax - rippleMin; }
};

// The FIR calculation's context for a measured response: the +-10 dB mask, the
// 609 x 297 plot, the measured points as the fixed part.
FitContext FirCalculationContext(const Spectrum& measured);

// Fits fir's levels (tapCount as set; start from Flat) so that the corrected
// response context.fixed + FIR is flat and targetLevel dB at 1000 Hz. The
// observer's Cancelled stands for the window having been closed.
FirFitResult FitFir(FirDesign& fir, const FitContext& context, long double targetLevel,
                    FitObserver& observer);
FirFitResult FitFir(FirDesign& fir, const FitContext& context, long double targetLevel,
                    FitObserver& observer, ResponseEvaluator& evaluator);

}  // namespace vt::filters
