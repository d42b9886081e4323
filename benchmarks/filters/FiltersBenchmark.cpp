// The filter design core's costs: a whole auto-correction and a whole FIR fit on
// a measured handset response, each beside the plain recomputation of the same
// run (the ratio of the two is the figure), and levels-from-taps per length.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "Reference.h"
#include "filters/AutoCorrect.h"
#include "filters/FirFit.h"

namespace vt::filters {
namespace {

// The downlink wizard after pasting the handset's response: 31 taps, IIR1 cutting
// 3 dB towards 0 Hz, mask "TS26.131".
FitContext WizardContext() {
  std::vector<IirSection> sections(2);
  sections[1].gainLf = powl(10, -3 / 20.0L);
  sections[1].Design();
  return FitContext{*FindMask(Wizard::Downlink, "TS26.131"), PlotMapping{},
                    SpectrumResponse(reference::HandsetSpectrum(), sections)};
}

FirDesign Flat(int taps) {
  FirDesign fir;
  fir.tapCount = taps;
  fir.Flat();
  return fir;
}

void AutoCorrection(benchmark::State& state, bool plain) {
  const FitContext context = WizardContext();
  for (auto _ : state) {
    FirDesign fir = Flat(31);
    reference::ScriptedObserver observer;
    reference::PlainEvaluator evaluator(context);
    const AutoCorrectResult r = plain ? AutoCorrect(fir, context, {}, observer, evaluator)
                                      : AutoCorrect(fir, context, {}, observer);
    benchmark::DoNotOptimize(fir.taps);
    state.counters["passes"] = r.maskPasses + r.flatnessPasses;
  }
}
void BM_AutoCorrect(benchmark::State& state) { AutoCorrection(state, false); }
void BM_AutoCorrectPlain(benchmark::State& state) { AutoCorrection(state, true); }
BENCHMARK(BM_AutoCorrect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoCorrectPlain)->Unit(benchmark::kMillisecond);

void FirFitting(benchmark::State& state, bool plain) {
  const FitContext context = FirCalculationContext(reference::HandsetSpectrum());
  for (auto _ : state) {
    FirDesign fir = Flat(31);
    reference::ScriptedObserver observer;
    reference::PlainEvaluator evaluator(context);
    const FirFitResult r = plain ? FitFir(fir, context, -4.7L, observer, evaluator)
                                 : FitFir(fir, context, -4.7L, observer);
    benchmark::DoNotOptimize(fir.taps);
    state.counters["passes"] = r.maskPasses + r.ripplePasses;
  }
}
void BM_FirFit(benchmark::State& state) { FirFitting(state, false); }
void BM_FirFitPlain(benchmark::State& state) { FirFitting(state, true); }
BENCHMARK(BM_FirFit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirFitPlain)->Unit(benchmark::kMillisecond);

// A designed filter of the given length with levels in +-12 dB.
FirDesign Designed(int taps) {
  FirDesign fir;
  fir.tapCount = taps;
  std::mt19937 rng(static_cast<unsigned>(taps));
  std::uniform_int_distribution<int> tenths(-120, 120);
  for (int k = 0; k <= taps / 2; ++k) fir.levels[k] = tenths(rng) * 0.1L;
  fir.Design();
  return fir;
}

void BM_LevelsFromTaps(benchmark::State& state) {
  const FirDesign designed = Designed(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    FirDesign fir = designed;
    fir.LevelsFromTaps();
    benchmark::DoNotOptimize(fir.levels);
  }
}
void BM_LevelsFromTapsPlain(benchmark::State& state) {
  const FirDesign designed = Designed(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    FirDesign fir = designed;
    reference::PlainLevelsFromTaps(fir);
    benchmark::DoNotOptimize(fir.levels);
  }
}
BENCHMARK(BM_LevelsFromTaps)->Arg(31)->Arg(47)->Arg(63)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LevelsFromTapsPlain)->Arg(31)->Arg(47)->Arg(63)->Unit(benchmark::kMicrosecond);

void BM_Design(benchmark::State& state) {
  FirDesign fir = Designed(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(fir.Design());
}
void BM_DesignPlain(benchmark::State& state) {
  FirDesign fir = Designed(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(reference::PlainDesign(fir));
}
BENCHMARK(BM_Design)->Arg(31)->Arg(63)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DesignPlain)->Arg(31)->Arg(63)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vt::filters
