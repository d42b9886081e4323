// "FIR auto correct": moves the FIR band levels until the predicted response
// fits the mask, re-centres them, evens the response out inside the mask and
// re-centres again, redesigning the fixed-point FIR after every pass.
#pragma once

#include "filters/FirDesign.h"
#include "filters/FitEvaluator.h"
#include "filters/FitObserver.h"
#include "filters/Margins.h"

namespace vt::filters {

struct AutoCorrectOptions {
  // "NO FLATNESS optimisation": skip the flatness passes and take both limits
  // kTightening dB in during the mask correction.
  bool noFlatness = false;
  // Pass limits of the two loops; 0 = until they end by themselves (or by cancel).
  int maxMaskPasses = 0;
  int maxFlatnessPasses = 0;
};

struct AutoCorrectResult {
  int maskPasses = 0;
  int flatnessPasses = 0;
  bool cancelled = false;
  // The final taps' margins (aligned) and whether they fit.
  MaskMargins margins;
  bool fits = false;
  // The mask correction stopped because its levels had no fixed-point FIR
  // any more (a response that no FIR of this length brings inside the mask).
  bool maskOutOfReach = false;
  // The final levels have a fixed-point implementation (the last design
  // succeeded); a run that ends without one leaves nothing to write back.
  bool designable = true;
  // Sum of |flatness error| over the grid at the first and the last flatness pass, dB.
  long double firstFlatnessError = 0;
  long double lastFlatnessError = 0;
};

// Works on fir's levels and taps (tapCount and sampleRate as set), which the
// caller leaves alone until the run returns; the context is copied at the start.
// Reports every pass to the observer. An undesignable tapCount does nothing.
AutoCorrectResult AutoCorrect(FirDesign& fir, const FitContext& context,
                              const AutoCorrectOptions& options, FitObserver& observer);

// The same run on a given evaluation (which refers to context).
AutoCorrectResult AutoCorrect(FirDesign& fir, const FitContext& context,
                              const AutoCorrectOptions& options, FitObserver& observer,
                              ResponseEvaluator& evaluator);

}  // namespace vt::filters
