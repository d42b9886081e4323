// Measured or pasted spectra (frequency/level points) and the fixed part of a
// predicted response: what stays the same while the FIR is being fitted.
#pragma once

#include <functional>
#include <vector>

#include "filters/IirSection.h"

namespace vt::filters {

// Linear interpolation in Hz over points with ascending frequencies: the first
// point's level at and below the first point, the last point's level above the
// last one, 0 without points.
long double InterpolateLevel(const long double* freq, const long double* level, size_t count,
                             long double f);

struct Spectrum {
  std::vector<long double> freq;   // Hz, ascending
  std::vector<long double> level;  // dB

  void Add(long double f, long double levelDb) {
    freq.push_back(f);
    level.push_back(levelDb);
  }
  size_t size() const { return freq.size() < level.size() ? freq.size() : level.size(); }
  bool empty() const { return size() == 0; }
  long double At(long double f) const;
};

// The part of a predicted response that a fitting run does not change, in dB
// at f Hz, known between firstFreq and lastFreq. The predicted response is
// at(f) + the FIR's response at f.
struct FixedResponse {
  std::function<long double(long double)> at;
  long double firstFreq = 0;
  long double lastFreq = 0;  // below firstFreq when nothing is known
};

// A pasted or measured spectrum plus the responses of the given sections
// (the wizards' IIR sections; none for the FIR calculation). Copies both.
FixedResponse SpectrumResponse(const Spectrum& spectrum,
                               const std::vector<IirSection>& sections = {});

}  // namespace vt::filters
