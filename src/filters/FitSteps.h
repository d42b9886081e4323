// The steps the auto-correction and the FIR calculation share: per-column
// errors from the margins, band means over the pixel grid, re-centring.
#pragma once

#include <vector>

#include "filters/FirDesign.h"
#include "filters/FitEvaluator.h"
#include "filters/FitObserver.h"
#include "filters/Margins.h"
#include "filters/PlotMapping.h"

namespace vt::filters {

// Pixel columns [lo, hi) over which a band's error is averaged.
struct BandRange {
  int lo = 0;
  int hi = 0;
};

// Ranges of bands 0..N/2 with B = BandWidth(N): [1, XOfFreq(B)) for band 0,
// [XOfFreq(i*B + 0.01), XOfFreq((i+1)*B)) for band i, held inside 0..W.
std::vector<BandRange> BandRanges(const PlotMapping& plot, int tapCount);

// The per-column error array of a run: entries 0..W, only 1..W-2 ever set.
std::vector<long double> ErrorArray(const PlotMapping& plot);

// Mean over a band's range; 0 for an empty range.
long double MeanError(const std::vector<long double>& err, BandRange range);

// A mean correction of less than 0.1 dB is made 0.1 dB with its sign (0 stays 0).
long double AtLeastTenth(long double a);

// Mask violations per column: the (negative) upper margin where the response is
// above the limit, minus the (negative) lower margin where it is below (the lower
// case wins), else 0.
void ViolationErrors(const MaskMargins& margins, const PlotMapping& plot,
                     std::vector<long double>& err);

// Flatness errors per column: upper - lower margin where the column lies strictly
// inside both margin ranges, else 0 (also where that is not finite). Returns the
// sum of their magnitudes.
long double FlatnessErrors(const MaskMargins& margins, const PlotMapping& plot,
                           std::vector<long double>& err);

// Step rules of a mask-correction pass.
enum class MaskRule {
  // The wizards' auto-correction: bands 1..N/2 move by 0.4 (band 1) or 0.6 times
  // their mean error; band 0 follows band 1 by a fifth of its move.
  Wizard,
  // The FIR calculation: band 0 moves by 0.1, band 1 by 0.4, the others by 0.6
  // times their mean error.
  FirCalculation,
};

// One mask-correction pass over the band levels; each mean error is made at
// least 0.1 dB (AtLeastTenth) first.
void MaskCorrection(FirDesign& fir, const std::vector<long double>& err,
                    const std::vector<BandRange>& bands, MaskRule rule);

// Adds (Lmax - Lmin)/divisor - Lmax to levels 0..N/2: the highest level ends at
// spread/divisor dB.
void RecentreLevels(FirDesign& fir, long double divisor);

// What a fitting run keeps from start to end: the margin columns, band ranges
// and error array of its plot, and the way it redesigns and re-evaluates.
class FitRun {
 public:
  FitRun(FirDesign& fir, const FitContext& context, bool noFlatness, ResponseEvaluator& ev,
         FitObserver& observer, MaskMargins& margins);

  // Re-evaluates the response for the current taps and fills the margins.
  void Refresh();
  // Taps from the levels, then Refresh and a repaint. Returns the design's result.
  bool Redesign();

  const PlotMapping& plot;
  const MarginColumns columns;
  const std::vector<BandRange> bands;
  const int lastBand;
  std::vector<long double> err;

 private:
  FirDesign& fir_;
  bool noFlatness_;
  ResponseEvaluator& ev_;
  FitObserver& observer_;
  MaskMargins& margins_;
};

}  // namespace vt::filters
