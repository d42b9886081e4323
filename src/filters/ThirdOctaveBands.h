// 31 third-octave band levels (band 18 centred on 1000 Hz), filled with points
// whose powers add up per band; the input of the loudness ratings.
#pragma once

#include <array>

namespace vt::filters {

class BandSpectrum {
 public:
  static constexpr int kBandCount = 31;
  static constexpr int kReferenceBand = 18;  // centred on 1000 Hz
  static constexpr long double kEmptyDb = -200.0L;

  BandSpectrum() { Reset(); }

  // Every band back to kEmptyDb.
  void Reset();

  // Adds the power of a point (level in dB) to the band with lower edge < f <= upper
  // edge; a point outside every band is ignored. A point on an edge belongs to the
  // band below.
  void AddPoint(long double f, long double levelDb);
  // The same with a linear amplitude (20*log10 of it is the level).
  void AddAmplitude(long double f, long double amplitude);

  // Band-wise sum of the dB levels (a spectrum plus a filter gain).
  void Add(const BandSpectrum& other);

  long double Level(int band) const { return levels_.at(band); }
  void SetLevel(int band, long double levelDb) { levels_.at(band) = levelDb; }

  // Index of the band holding f, or -1.
  static int BandOf(long double f);
  static long double LowerEdge(int band);
  static long double UpperEdge(int band);

 private:
  std::array<long double, kBandCount> levels_{};
};

}  // namespace vt::filters
