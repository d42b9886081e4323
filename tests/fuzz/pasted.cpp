// Text pasted into a filter wizard as a measured spectrum: every point kept
// has a finite level and a frequency above the one before, every line is
// either read, a skipped title line, or named as left out.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "filters/PastedSpectrum.h"

using namespace vt::filters;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const PastedSpectrum p = ParsePastedSpectrum(text);
  if (p.points.freq.size() != p.points.level.size() || p.points.size() > kMaxPastedPoints)
    std::abort();
  for (size_t i = 0; i < p.points.size(); ++i) {
    if (!std::isfinite(p.points.level[i]) || !(p.points.freq[i] > 0)) std::abort();
    if (i > 0 && !(p.points.freq[i] > p.points.freq[i - 1])) std::abort();
  }
  int last = 0;
  for (const PastedLine& l : p.bad) {
    if (l.number <= last || l.reason.empty() || l.text.size() > 63) std::abort();
    last = l.number;
  }
  if (p.bad.empty() != LeftOutMessage(p).empty()) std::abort();
  return 0;
}
