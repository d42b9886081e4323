#include "filters/FitEvaluator.h"

#include <algorithm>

#include "filters/Margins.h"

namespace vt::filters {

CachedEvaluator::CachedEvaluator(const FitContext& context, const FirDesign& fir)
    : context_(context) {
  const PlotMapping& plot = context.plot;
  const MarginColumns columns =
      ColumnsFor(context.mask, plot, context.fixed.firstFreq, context.fixed.lastFreq);
  first_ = std::min({plot.FirstColumn(), columns.upperBegin, columns.lowerBegin});
  last_ = std::max({plot.LastColumn(), columns.upperEnd - 1, columns.lowerEnd - 1});
  // Columns far outside the plot (absurd masks or spectra) are evaluated directly.
  first_ = std::max(first_, -4 * plot.width);
  last_ = std::min(last_, 5 * plot.width);
  if (last_ < first_) last_ = first_ - 1;
  const size_t count = static_cast<size_t>(last_ - first_ + 1);
  freq_.resize(count);
  fixed_.resize(count);
  upper_.resize(count);
  lower_.resize(count);
  total_.resize(count);
  for (int x = first_; x <= last_; ++x) {
    const long double f = plot.FreqOfX(x);
    freq_[Index(x)] = f;
    fixed_[Index(x)] = context.fixed.at(f);
    upper_[Index(x)] = context.mask.Upper(f);
    lower_[Index(x)] = context.mask.Lower(f);
  }
  Update(fir);
}

void CachedEvaluator::BuildTerms(int tapCount, long double sampleRate) {
  tapCount_ = tapCount;
  sampleRate_ = sampleRate;
  const size_t n = static_cast<size_t>(std::clamp(tapCount, 0, kMaxTaps));
  cos_.assign(freq_.size() * n, 0);
  sin_.assign(freq_.size() * n, 0);
  for (size_t i = 0; i < freq_.size(); ++i) {
    for (size_t k = 0; k < n; ++k) {
      ResponseTerms(static_cast<int>(k), freq_[i], sampleRate, cos_[i * n + k], sin_[i * n + k]);
    }
  }
}

void CachedEvaluator::Update(const FirDesign& fir) {
  fir_ = &fir;
  if (fir.tapCount != tapCount_ || !(fir.sampleRate == sampleRate_)) {
    BuildTerms(fir.tapCount, fir.sampleRate);
  }
  const size_t n = static_cast<size_t>(std::clamp(tapCount_, 0, kMaxTaps));
  const long double* h = fir.taps.data();
  for (size_t i = 0; i < freq_.size(); ++i) {
    const long double* c = &cos_[i * n];
    const long double* s = &sin_[i * n];
    long double re = 0, im = 0;
    for (size_t k = 0; k < n; ++k) {
      re += h[k] * c[k];
      im -= h[k] * s[k];
    }
    total_[i] = fixed_[i] + MagnitudeDb(re, im);
  }
}

long double CachedEvaluator::Frequency(int x) {
  return Cached(x) ? freq_[Index(x)] : context_.plot.FreqOfX(x);
}

long double CachedEvaluator::Total(int x) {
  if (Cached(x)) return total_[Index(x)];
  return PredictedAt(context_.fixed, *fir_, context_.plot.FreqOfX(x));
}

long double CachedEvaluator::Upper(int x) {
  return Cached(x) ? upper_[Index(x)] : context_.mask.Upper(context_.plot.FreqOfX(x));
}

long double CachedEvaluator::Lower(int x) {
  return Cached(x) ? lower_[Index(x)] : context_.mask.Lower(context_.plot.FreqOfX(x));
}

}  // namespace vt::filters
