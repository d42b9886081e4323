// Plain recomputations kept beside the optimised filter code, a realistic
// measured handset response and a scripted observer, shared by the tests and
// the benchmarks.
#pragma once

#include <string>
#include <vector>

#include "filters/FirDesign.h"
#include "filters/FitEvaluator.h"
#include "filters/FitObserver.h"
#include "filters/ResponsePoints.h"

namespace vt::filters::reference {

// Frequency-sampling design and quantisation, every cosine computed on the spot.
bool PlainDesign(FirDesign& fir);

// Levels from taps, every cosine computed on the spot.
void PlainLevelsFromTaps(FirDesign& fir, int maxIterations = kLevelIterationLimit);

// Evaluation from scratch at every call: the pasted spectrum, the sections and
// the FIR at every column and every margin, and the plain design.
class PlainEvaluator final : public ResponseEvaluator {
 public:
  explicit PlainEvaluator(const FitContext& context) : context_(context) {}
  bool Design(FirDesign& fir) override { return PlainDesign(fir); }
  void Update(const FirDesign& fir) override { fir_ = &fir; }
  long double Frequency(int x) override { return context_.plot.FreqOfX(x); }
  long double Total(int x) override;
  long double Upper(int x) override { return context_.mask.Upper(context_.plot.FreqOfX(x)); }
  long double Lower(int x) override { return context_.mask.Lower(context_.plot.FreqOfX(x)); }

 private:
  const FitContext& context_;
  const FirDesign* fir_ = nullptr;
};

// Receive response of a small handset earpiece as an acoustic bench measures it,
// dB at 1/24-octave points from 100 Hz to 4000 Hz: a second-order high-pass at
// 450 Hz (leak), a resonance near 2.6 kHz, a dip near 1.2 kHz and a low-pass above
// 3.4 kHz, 6 dB below the reference.
Spectrum HandsetSpectrum();

// Records what a run reports; cancels once ProcessEvents has run cancelAfter times
// (never with -1), and in any case after a safety limit so no test can hang.
class ScriptedObserver : public FitObserver {
 public:
  int cancelAfter = -1;
  int safetyLimit = 20000;
  int events = 0, repaints = 0, started = 0, finished = 0;
  std::vector<std::string> texts;
  std::vector<long double> ripples;

  void Started() override { ++started; }
  void SetProgressText(std::string_view text) override { texts.emplace_back(text); }
  void ProcessEvents() override { ++events; }
  void Repaint(const FirDesign&, const MaskMargins&) override { ++repaints; }
  void RippleChanged(long double ripple) override { ripples.push_back(ripple); }
  bool Cancelled() override {
    return (cancelAfter >= 0 && events >= cancelAfter) || events >= safetyLimit;
  }
  void Finished() override { ++finished; }
};

}  // namespace vt::filters::reference
