// Recursive filters of the fractional-octave analyzers: second-order sections
// in direct form II and cascades of them designed as Butterworth filters.
#pragma once

#include <cstdint>
#include <vector>

namespace vt::measure {

// One second-order section; w1, w2 are its two state values.
struct TBiQuad {
  double a1 = 0, a2 = 0, b0 = 1, b1 = 0, b2 = 0;
  double w1 = 0, w2 = 0;

  double Process(double x) {
    const double w = x - a1 * w1 - a2 * w2;
    const double y = b0 * w + b1 * w1 + b2 * w2;
    w2 = w1;
    w1 = w;
    return y;
  }
  void Reset() { w1 = w2 = 0; }
};

// Up to 20 sections run in order; without sections the input passes unchanged.
class TGenericIIR {
 public:
  static constexpr int kMaxSections = 20;

  double Process(double x) {
    for (TBiQuad& s : sections_) x = s.Process(x);
    return x;
  }
  // x[0..n) through the filter in place: the same arithmetic per value as n
  // calls of Process, with the sections' work interleaved.
  void ProcessBlock(double* x, int n);
  // Every section's state to 0.
  void Reset();
  // Butterworth filters of `order` (order / 2 sections; an odd order drops the
  // first-order part) at `cutoff`, with cutoff and rate in the same unit.
  // False, leaving no section, for an order beyond 41 or a cutoff outside
  // (0, rate / 2).
  bool DesignLowPass(double cutoff, double rate, int32_t order);
  bool DesignHighPass(double cutoff, double rate, int32_t order);

  int Sections() const { return static_cast<int>(sections_.size()); }
  // Section i, null when absent.
  const TBiQuad* Section(int i) const;
  TBiQuad* Section(int i);

 private:
  bool Design(bool highPass, double cutoff, double rate, int32_t order);
  std::vector<TBiQuad> sections_;
};

// Filters f[0..count) in series over x[0..n) in place, as ProcessBlock one
// after the other; what leaves filter f for sample m is also kept in
// out[m * stride + f].
void ChainBlock(TGenericIIR* const* filters, int count, double* x, int n, double* out, int stride);

// Filters f[0..count) over their own inputs in[m * stride + f], m < n, adding
// each one's squared outputs to sums[f] in sample order: the results of
// ProcessBlock per filter, faster where filters of six sections can run side
// by side.
void SquaredSumsSideBySide(TGenericIIR* const* filters, int count, const double* in, int stride, int n,
                           double* sums);

// Any thread: whether block processing may use AVX2 where the processor has
// it (true to begin with); returns the previous setting. For tests of the
// other paths.
bool AllowAvx2(bool allow);

}  // namespace vt::measure
