// Second-order sections that shape the bench's transducers and handset, and
// the text form bench files give them in ("highpass 300 0.7; peak 2500 4 1.2").
#pragma once

#include <complex>
#include <string>
#include <vector>

#include "measure/IirFilters.h"

namespace vt::bench {

// One section, H(z) = (b0 + b1/z + b2/z^2) / (1 + a1/z + a2/z^2), with its state.
using Biquad = measure::TBiQuad;

// A section's response at `hz` for a sample rate `rate`.
std::complex<double> ResponseAt(const Biquad& s, double hz, double rate);

// Sections run in order on one signal.
class Cascade {
 public:
  Cascade() = default;
  explicit Cascade(std::vector<Biquad> sections) : sections_(std::move(sections)) {}
  // Gain in dB at `hz`.
  double GainDb(double hz, double rate) const;
  double Process(double x) {
    for (Biquad& s : sections_) x = s.Process(x);
    return x;
  }

 private:
  std::vector<Biquad> sections_;
};

// A filter as a bench file writes it: kind, corner or centre frequency in Hz,
// gain in dB (peak and shelves only) and Q.
struct FilterSpec {
  enum Kind { HighPass, LowPass, Peak, LowShelf, HighShelf } kind = Peak;
  double hz = 1000, gainDb = 0, q = 0.707;
};

// Robert Bristow-Johnson's designs, at `rate`.
Biquad Design(const FilterSpec& spec, double rate);

// Parses "kind hz [gain] q" items separated by ';' (an empty text is no
// filter). On a mistake returns false with `error` naming the item.
bool ParseFilters(const std::string& text, std::vector<FilterSpec>& out, std::string& error);
std::string FormatFilters(const std::vector<FilterSpec>& specs);

// A cascade for `specs` at `rate`, scaled to 0 dB at `normalHz` (0: unscaled).
Cascade MakeCascade(const std::vector<FilterSpec>& specs, double rate, double normalHz);

}  // namespace vt::bench
