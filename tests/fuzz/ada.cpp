// Ear data files: any text gives usable points (two or more, frequencies
// above 10 Hz and rising, finite levels) or a reason.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "telephonometry/AdaFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto ada = vt::telephonometry::ParseAda(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!ada.Ok()) return 0;
  const auto& p = ada.points;
  if (p.size() < 2) std::abort();
  for (size_t i = 0; i < p.size(); ++i)
    if (!(p.freq[i] > 10) || !std::isfinite(double(p.level[i])) || (i > 0 && !(p.freq[i] > p.freq[i - 1])))
      std::abort();
  return 0;
}
