// Throughput of the blocks that run on the streaming threads, as multiples of
// real time ("realtime" counter) for one channel of the port's stereo buffers.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "measure/Generators.h"
#include "measure/LevelAnalyzer.h"
#include "measure/OctaveAnalyzers.h"
#include "measure/RateConverters.h"

namespace vt::measure {
namespace {

constexpr int kBuffer = 4800;         // 50 ms at 48000 Hz stereo
constexpr double kBufferSeconds = 0.05;

void SetRealTime(benchmark::State& state) {
  state.counters["realtime"] = benchmark::Counter(
      kBufferSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

std::vector<int16_t> Tone() {
  std::vector<int16_t> buf(kBuffer);
  for (size_t i = 0; i < buf.size(); ++i) buf[i] = static_cast<int16_t>(16000 * std::sin(0.13 * i));
  return buf;
}

// One channel of generated audio at 8000 Hz brought up to 48000 Hz.
void BM_UpSamplerBy6(benchmark::State& state) {
  TSineGenerator sine;
  TUpSamplerBy6 up(&sine);
  up.SetFormat(48000, true);
  sine.SetFrequency(1000);
  sine.SetAmplitude(16384);
  std::vector<int16_t> buf(kBuffer);
  for (auto _ : state) {
    up.Process(buf.data(), kBuffer);
    benchmark::DoNotOptimize(buf.data());
  }
  SetRealTime(state);
}
BENCHMARK(BM_UpSamplerBy6);

// One channel of recorded audio down to 8000 Hz into a level analyzer.
void BM_DownSamplerBy6(benchmark::State& state) {
  TLevelAnalyzer level;
  TDownSamplerBy6 down(&level);
  down.SetFormat(48000, true);
  std::vector<int16_t> buf = Tone();
  for (auto _ : state) {
    down.Process(buf.data(), kBuffer);
    benchmark::ClobberMemory();
  }
  SetRealTime(state);
}
BENCHMARK(BM_DownSamplerBy6);

// Multi-tone stimulus at the working rate (what the up-sampler pulls per buffer).
void BM_MultiSineGenerator(benchmark::State& state) {
  TMultiSineGenerator multi;
  multi.SetFormat(48000, true);
  multi.SetTones(static_cast<int32_t>(state.range(0)), true, std::pow(2.0, 1.0 / 3), 100);
  multi.SetAmplitude(1000);
  std::vector<int16_t> buf(kBuffer / 6);
  for (auto _ : state) {
    multi.Process(buf.data(), kBuffer / 6);
    benchmark::DoNotOptimize(buf.data());
  }
  SetRealTime(state);
}
BENCHMARK(BM_MultiSineGenerator)->Arg(1)->Arg(16)->Arg(32);

// Level analysis of the working-rate signal behind a down-sampler.
void BM_LevelAnalyzer(benchmark::State& state) {
  TLevelAnalyzer level;
  level.SetFormat(48000, true);
  std::vector<int16_t> buf = Tone();
  buf.resize(kBuffer / 6);
  for (auto _ : state) {
    level.Process(buf.data(), kBuffer / 6);
    benchmark::ClobberMemory();
  }
  SetRealTime(state);
}
BENCHMARK(BM_LevelAnalyzer);

// The fractional-octave analyzers fed 50 ms of the 8000 Hz working signal
// per call (one channel behind a down-sampler); the budget is 500 x real time.
template <typename Analyzer>
void BM_OctaveAnalyzer(benchmark::State& state) {
  Analyzer analyzer;
  analyzer.SetFormat(48000, false);
  std::vector<int16_t> buf = Tone();
  buf.resize(kBuffer / 12);
  for (auto _ : state) {
    analyzer.Process(buf.data(), kBuffer / 12);
    benchmark::ClobberMemory();
  }
  SetRealTime(state);
}
BENCHMARK(BM_OctaveAnalyzer<TThirdOctaveAnalyzer>);
BENCHMARK(BM_OctaveAnalyzer<TTwelveOctaveAnalyzer>);

}  // namespace
}  // namespace vt::measure
