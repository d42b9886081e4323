#include "measure/OctaveAnalyzers.h"

#include <cmath>

namespace vt::measure {

// Filters are normalised to the stage's Nyquist frequency (rate 2, cutoff a
// fraction of 1), so every stage uses the same designs. Band k spans 1/Bands
// of an octave centred at 2^(-(k + 1) / Bands) of the stage's Nyquist
// frequency.
template <int Bands>
TOctaveTransform<Bands>::TOctaveTransform() {
  constexpr double kHalfSteps = 2.0 * Bands;
  for (int s = 0; s < kStages; ++s) {
    for (int k = 0; k < Bands; ++k) {
      Hp(s, k).DesignHighPass(std::pow(2.0, -(2 * k + 3) / kHalfSteps), 2.0, 12);
      Lp(s, k).DesignLowPass(std::pow(2.0, -(2 * k + 1) / kHalfSteps), 2.0, 12);
    }
    decimators_[static_cast<size_t>(s)].DesignLowPass(0.5, 2.0, 24);
  }
}

template <int Bands>
void TOctaveTransform<Bands>::Reset() {
  for (TGenericIIR& f : bank_) f.Reset();
  for (TGenericIIR& f : decimators_) f.Reset();
  cycle_ = 0;
  ClearEnergies();
}

template <int Bands>
void TOctaveTransform<Bands>::ClearEnergies() {
  energy_.fill(0);
  count_.fill(0);
}

template <int Bands>
void TOctaveTransform<Bands>::Step(double x) {
  // Stage s runs when the cycle is a multiple of 2^s, on what the decimator
  // of stage s - 1 just produced.
  for (int s = 0; s < kStages && (cycle_ & ((1 << s) - 1)) == 0; ++s) {
    for (int k = 0; k < Bands; ++k) {
      x = Lp(s, k).Process(x);
      const double b = Hp(s, k).Process(x);
      const size_t j = static_cast<size_t>(Bands * s + k);
      energy_[j] += b * b;
      ++count_[j];
    }
    x = decimators_[static_cast<size_t>(s)].Process(x);
  }
  cycle_ = cycle_ + 1 == kCycle ? 0 : cycle_ + 1;
}

template <int Bands>
void TOctaveTransform<Bands>::StepBlock(const int16_t* samples, int32_t count, int stride) {
  stage_.clear();
  for (int32_t i = 0; i < count; i += stride) stage_.push_back(samples[i]);
  const int32_t steps = static_cast<int32_t>(stage_.size());
  // Cycle value of the stage's first input; the stage's inputs are 2^s steps apart.
  int32_t first = cycle_;
  for (int s = 0; s < kStages && !stage_.empty(); ++s) {
    const int n = static_cast<int>(stage_.size());
    // The low-pass chain first, keeping what enters each band's high-pass;
    // then the band filters side by side.
    constexpr int kLanes = (Bands + 3) / 4 * 4;
    band_.assign(static_cast<size_t>(n) * kLanes, 0.0);
    TGenericIIR* lp[Bands];
    TGenericIIR* hp[Bands];
    for (int k = 0; k < Bands; ++k) {
      lp[k] = &Lp(s, k);
      hp[k] = &Hp(s, k);
      count_[static_cast<size_t>(Bands * s + k)] += n;
    }
    ChainBlock(lp, Bands, stage_.data(), n, band_.data(), kLanes);
    SquaredSumsSideBySide(hp, Bands, band_.data(), kLanes, n, &energy_[static_cast<size_t>(Bands * s)]);
    decimators_[static_cast<size_t>(s)].ProcessBlock(stage_.data(), n);
    // Stage s + 1 takes the values made at cycles that are multiples of 2^(s+1).
    const int32_t step = 1 << s;
    size_t kept = 0;
    int32_t next = -1;
    for (size_t i = 0; i < stage_.size(); ++i) {
      const int32_t c = (first + static_cast<int32_t>(i) * step) % kCycle;
      if (c % (2 * step) != 0) continue;
      if (next < 0) next = c;
      stage_[kept++] = stage_[i];
    }
    stage_.resize(kept);
    first = next;
  }
  cycle_ = (cycle_ + steps) % kCycle;
}

template <int Bands>
void TOctaveTransform<Bands>::GetSpectrum(double* out) const {
  for (int i = 0; i < kOutputs; ++i) {
    const size_t j = static_cast<size_t>(kOutputs - 1 - i);
    out[i] = count_[j] > 0 ? std::sqrt(energy_[j] / count_[j]) : 0.0;
  }
}

template <int Bands>
void TOctaveAnalyzer<Bands>::Reset() {
  auto lock = LockBlock(*this);
  transform_.Reset();
  Rearm();
}

template <int Bands>
void TOctaveAnalyzer<Bands>::GetSpectrum(double* out) const {
  auto lock = LockBlock(*this);
  transform_.GetSpectrum(out);
}

template <int Bands>
double TOctaveAnalyzer<Bands>::BandFrequency(int32_t i) {
  return 62.5 * std::pow(2.0, static_cast<double>(i) / Bands);
}

template <int Bands>
Event* TOctaveAnalyzer<Bands>::Process(int16_t* samples, int32_t count) {
  transform_.StepBlock(samples, count, Stride());
  return SynchroProcess();
}

template class TOctaveTransform<3>;
template class TOctaveTransform<12>;
template class TOctaveAnalyzer<3>;
template class TOctaveAnalyzer<12>;

}  // namespace vt::measure
