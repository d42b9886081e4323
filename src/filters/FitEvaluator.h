// What a fitting run evaluates on every pass, and the cached evaluation that
// works out once per run everything that does not change within it.
#pragma once

#include <vector>

#include "filters/FirDesign.h"
#include "filters/LimitMask.h"
#include "filters/PlotMapping.h"
#include "filters/ResponsePoints.h"

namespace vt::filters {

// The fixed inputs of one run: the mask in force, the plot whose pixel grid the
// run works on, and the part of the predicted response the FIR does not change.
struct FitContext {
  LimitMask mask;
  PlotMapping plot;
  FixedResponse fixed;
};

// The predicted response at f Hz exactly as the runs compute it: fixed + FIR.
inline long double PredictedAt(const FixedResponse& fixed, const FirDesign& fir, long double f) {
  return fixed.at(f) + fir.Response(f);
}

// Evaluation of a run, per pixel column x. Total(x) is fixed(f) + FIR(f) at
// f = Frequency(x) for the taps last given to Update.
class ResponseEvaluator {
 public:
  virtual ~ResponseEvaluator() = default;
  // Taps from levels (FirDesign::Design or the same thing).
  virtual bool Design(FirDesign& fir) = 0;
  // The taps have changed.
  virtual void Update(const FirDesign& fir) = 0;
  virtual long double Frequency(int x) = 0;
  virtual long double Total(int x) = 0;
  virtual long double Upper(int x) = 0;
  virtual long double Lower(int x) = 0;
};

// Keeps per column the frequency, the fixed response, both limits and the FIR's
// response terms; Update costs N multiply-adds per column and no cosines. Gives
// bit for bit what the plain evaluation gives.
class CachedEvaluator final : public ResponseEvaluator {
 public:
  CachedEvaluator(const FitContext& context, const FirDesign& fir);

  bool Design(FirDesign& fir) override { return fir.Design(); }
  void Update(const FirDesign& fir) override;
  long double Frequency(int x) override;
  long double Total(int x) override;
  long double Upper(int x) override;
  long double Lower(int x) override;

 private:
  bool Cached(int x) const { return x >= first_ && x <= last_; }
  size_t Index(int x) const { return static_cast<size_t>(x - first_); }
  void BuildTerms(int tapCount, long double sampleRate);

  const FitContext& context_;
  int first_ = 0, last_ = -1;  // cached columns
  int tapCount_ = 0;
  long double sampleRate_ = 0;
  const FirDesign* fir_ = nullptr;
  std::vector<long double> freq_, fixed_, upper_, lower_, total_;
  std::vector<long double> cos_, sin_;  // [column * N + k]
};

}  // namespace vt::filters
