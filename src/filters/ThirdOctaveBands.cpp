#include "filters/ThirdOctaveBands.h"

#include <cmath>

namespace vt::filters {

namespace {

// Edges[i] is the lower edge of band i, edges[i + 1] its upper edge. Band 18
// starts at 1000 / 2^(1/6); every band is 2^(1/3) wide and shares its edges
// with its neighbours.
struct Edges {
  std::array<long double, BandSpectrum::kBandCount + 1> e{};
  Edges() {
    const long double width = powl(2.0L, 1.0L / 3);
    const int ref = BandSpectrum::kReferenceBand;
    e[ref] = 1000 / powl(2.0L, 1.0L / 6);
    for (int i = ref; i < BandSpectrum::kBandCount; ++i) e[i + 1] = e[i] * width;
    for (int i = ref - 1; i >= 0; --i) e[i] = e[i + 1] / width;
  }
};

const Edges& TheEdges() {
  static const Edges edges;
  return edges;
}

}  // namespace

void BandSpectrum::Reset() { levels_.fill(kEmptyDb); }

long double BandSpectrum::LowerEdge(int band) { return TheEdges().e.at(band); }

long double BandSpectrum::UpperEdge(int band) { return TheEdges().e.at(band + 1); }

int BandSpectrum::BandOf(long double f) {
  const auto& e = TheEdges().e;
  for (int i = 0; i < kBandCount; ++i) {
    if (e[i] < f && f <= e[i + 1]) return i;
  }
  return -1;
}

void BandSpectrum::AddPoint(long double f, long double levelDb) {
  const int band = BandOf(f);
  if (band < 0) return;
  long double& level = levels_[band];
  level = 20 * log10l(sqrtl(powl(10, level / 10) + powl(10, levelDb / 10)));
}

void BandSpectrum::AddAmplitude(long double f, long double amplitude) {
  AddPoint(f, 20 * log10l(amplitude));
}

void BandSpectrum::Add(const BandSpectrum& other) {
  for (int i = 0; i < kBandCount; ++i) levels_[i] += other.levels_[i];
}

}  // namespace vt::filters
