#include "filters/ResponsePoints.h"

#include <memory>

namespace vt::filters {

long double InterpolateLevel(const long double* freq, const long double* level, size_t count,
                             long double f) {
  if (count == 0) return 0;
  size_t i = 0;
  while (i < count && freq[i] < f) ++i;
  if (i == 0) return level[0];
  if (i == count) return level[count - 1];
  const long double t = (f - freq[i - 1]) / (freq[i] - freq[i - 1]);
  return (1 - t) * level[i - 1] + t * level[i];
}

long double Spectrum::At(long double f) const {
  return InterpolateLevel(freq.data(), level.data(), size(), f);
}

FixedResponse SpectrumResponse(const Spectrum& spectrum, const std::vector<IirSection>& sections) {
  auto data = std::make_shared<std::pair<Spectrum, std::vector<IirSection>>>(spectrum, sections);
  FixedResponse out;
  out.at = [data](long double f) {
    long double v = data->first.At(f);
    for (const IirSection& s : data->second) v += s.Response(f);
    return v;
  };
  if (!spectrum.empty()) {
    out.firstFreq = spectrum.freq.front();
    out.lastFreq = spectrum.freq[spectrum.size() - 1];
  } else {
    out.firstFreq = 1;
    out.lastFreq = 0;
  }
  return out;
}

}  // namespace vt::filters
