// Fractional-octave analyzers of the 8000 Hz working signal: a bank of
// Butterworth band filters over six octave stages, each stage running at half
// the rate of the one above it behind its own decimating low-pass.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "measure/IirFilters.h"
#include "measure/MeasureTool.h"

namespace vt::measure {

// `Bands` bands per octave (3 or 12). Band k of stage s is internal index
// Bands * s + k, from the highest band (s = 0, k = 0) downwards.
template <int Bands>
class TOctaveTransform {
 public:
  static constexpr int kStages = 6;
  static constexpr int kBands = Bands;
  static constexpr int kOutputs = kStages * Bands;
  static constexpr int32_t kCycle = 1 << (kStages - 1);

  // All filters designed, states cleared.
  TOctaveTransform();
  // Every filter state, the cycle, energies and counts to 0.
  void Reset();
  // Energies and counts to 0, filter states kept: a new measurement of a
  // signal that has already settled.
  void ClearEnergies();
  // One input value.
  void Step(double x);
  // The values at indices 0, stride, ... below count, as that many Steps
  // (identical results), stage by stage over the whole block.
  void StepBlock(const int16_t* samples, int32_t count, int stride);
  // kOutputs rms values, lowest band first; 0 for a band with no values yet.
  void GetSpectrum(double* out) const;

  // HP(s, k) at Bands * 2s + k, LP(s, k) at Bands * (2s + 1) + k.
  const TGenericIIR& Bank(int i) const { return bank_[static_cast<size_t>(i)]; }
  const TGenericIIR& Decimator(int stage) const { return decimators_[static_cast<size_t>(stage)]; }
  int32_t Cycle() const { return cycle_; }
  double Energy(int j) const { return energy_[static_cast<size_t>(j)]; }
  int32_t Count(int j) const { return count_[static_cast<size_t>(j)]; }

 private:
  TGenericIIR& Hp(int s, int k) { return bank_[static_cast<size_t>(Bands * 2 * s + k)]; }
  TGenericIIR& Lp(int s, int k) { return bank_[static_cast<size_t>(Bands * (2 * s + 1) + k)]; }

  std::array<TGenericIIR, 2 * kOutputs> bank_;
  std::array<TGenericIIR, kStages> decimators_;
  int32_t cycle_ = 0;
  std::array<double, kOutputs> energy_{};
  std::array<int32_t, kOutputs> count_{};
  std::vector<double> stage_, band_;  // StepBlock's scratch
};

using TThirdOctaveTransform = TOctaveTransform<3>;
using TTwelveOctaveTransform = TOctaveTransform<12>;

// An analyzer block around a transform; every operation takes the block's lock.
template <int Bands>
class TOctaveAnalyzer : public TMeasureTool {
 public:
  static constexpr int kOutputs = TOctaveTransform<Bands>::kOutputs;

  // GUI thread: transform reset; re-arms the synchro.
  void Reset();
  // GUI thread: kOutputs band rms values in sample units, lowest band first.
  void GetSpectrum(double* out) const;
  // Centre of output band i: 62.5 Hz * 2^(i / Bands).
  static double BandFrequency(int32_t i);
  // Input streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;
  // Mutex() held by the caller.
  const TOctaveTransform<Bands>& Transform() const { return transform_; }

 protected:
  explicit TOctaveAnalyzer(std::string_view typeWord) : TMeasureTool(typeWord) {}

 private:
  TOctaveTransform<Bands> transform_;
};

// 18 third-octave bands, 62.5 Hz to 3175 Hz.
class TThirdOctaveAnalyzer : public TOctaveAnalyzer<3> {
 public:
  TThirdOctaveAnalyzer() : TOctaveAnalyzer("ThirdOctaveAnalyzer") {}
};

// 72 twelfth-octave bands, 62.5 Hz to 3775 Hz.
class TTwelveOctaveAnalyzer : public TOctaveAnalyzer<12> {
 public:
  TTwelveOctaveAnalyzer() : TOctaveAnalyzer("TwelveOctaveAnalyzer") {}
};

extern template class TOctaveTransform<3>;
extern template class TOctaveTransform<12>;
extern template class TOctaveAnalyzer<3>;
extern template class TOctaveAnalyzer<12>;

}  // namespace vt::measure
