#include "editors/NoiseSuppressor.h"

#include <cmath>

namespace vt::editors {

const NsDirection& UlNs() {
  static const NsDirection d{UlNsList(), {"TrackBar48", "TrackBar5", "TrackBar6", "TrackBar7"}};
  return d;
}
const NsDirection& DlNs() {
  static const NsDirection d{DlNsList(), {"TrackBar8", "TrackBar9", "TrackBar10", "TrackBar11"}};
  return d;
}

std::array<int32_t, 7> NsWordsFromBars(int power, int tonal, int reactivity, int sensitivity) {
  auto x = [](int position) { return (long double)position / 100.0L; };
  auto trunc = [](long double v) { return int32_t(std::trunc(v)); };
  const long double p = x(power), t = x(tonal), r = x(reactivity), s = x(sensitivity);
  return {0,
          trunc((1.004L - 0.004L * std::pow(10.0L, p)) * 32000),
          trunc((1.7L * p + 0.8L) * 12000),
          trunc((1.0005L - 0.0005L * std::pow(10.0L, r)) * 32750),
          trunc((1.04L - 0.04L * std::pow(10.0L, r)) * 32750),
          trunc((1 - 2.4L * std::log10(1 + s)) * 1024),
          trunc((6.5L * std::log10(1 + t) + 1) * 10000)};
}

std::string NsBarChanged(const NsDirection& d, ControlView& controls) {
  bool focused = false;
  for (const char* bar : d.bars) focused = focused || controls.Focused(bar);
  if (!focused) return {};
  const auto words = NsWordsFromBars(controls.Position(d.bars[0]), controls.Position(d.bars[1]),
                                     controls.Position(d.bars[2]), controls.Position(d.bars[3]));
  for (size_t k = 0; k < words.size(); ++k)
    controls.SetListValue(d.list.list, int(k) + 1, std::to_string(words[k]));
  return ListResend(d.list, controls);
}

}  // namespace vt::editors
