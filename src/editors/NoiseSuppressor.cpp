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
  auto x = [](int position) { return double(position) / 100.0; };
  auto trunc = [](double v) { return int32_t(std::trunc(v)); };
  const double p = x(power), t = x(tonal), r = x(reactivity), s = x(sensitivity);
  return {0,
          trunc((1.004 - 0.004 * std::pow(10.0, p)) * 32000),
          trunc((1.7 * p + 0.8) * 12000),
          trunc((1.0005 - 0.0005 * std::pow(10.0, r)) * 32750),
          trunc((1.04 - 0.04 * std::pow(10.0, r)) * 32750),
          trunc((1 - 2.4 * std::log10(1 + s)) * 1024),
          trunc((6.5 * std::log10(1 + t) + 1) * 10000)};
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
