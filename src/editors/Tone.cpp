#include "editors/Tone.h"

#include "common/Numbers.h"
#include "handset/Handset.h"

namespace vt::editors {

namespace {

constexpr const char* kTone = "CheckBox1";

// The area-3 word of bar `i`: a frequency in Hz, or an amplitude in percent
// of full scale.
int32_t ToneWord(int i, const ControlView& c) {
  const int p = c.Position(ToneBars()[size_t(i)]);
  return i % 2 == 0 ? p : int32_t(Trunc(p * 32767.0L / 100));
}

}  // namespace

const std::vector<std::string>& ToneBars() {
  static const std::vector<std::string> bars = {"ScrollBar2", "ScrollBar3", "ScrollBar4",
                                                "ScrollBar5", "ScrollBar6", "ScrollBar7",
                                                "ScrollBar8", "ScrollBar9"};
  return bars;
}

void ToneClicked(const ControlView& controls) {
  LinkHold hold;
  if (controls.Checked(kTone)) {
    for (int i = 0; i < 8; ++i) WriteArea(3, i, ToneWord(i, controls));
    WriteArea(3, 8, controls.Checked("CheckBox99") ? 31 : 30);
    WriteArea(2, 0, 65535);
    WriteArea(1, 0, 1);
    const int32_t c = ReadDspItem(1);
    WriteDspItem(1, c == 0 ? c | 5 : (c & 0xFE3F) | 0x0040);
    SetDspOverride(1, true);
    ApplyDsp(1);
    ApplyDsp(6);
    WriteArea(1, 0, 1);
    return;
  }
  WriteArea(2, 0, 0);
  WriteArea(1, 0, 1);
  const int32_t c = ReadDspItem(1);
  WriteDspItem(1, (c & 0x000F) == 5 ? c & ~5 : c & ~0x0040);
  ApplyDsp(1);
  SetDspOverride(1, false);
  ApplyDsp(1);
  ApplyDsp(6);
}

void ToneBarChanged(const std::string& bar, const ControlView& controls) {
  if (!controls.Checked(kTone)) return;
  const std::vector<std::string>& bars = ToneBars();
  for (size_t i = 0; i < bars.size(); ++i) {
    if (bars[i] != bar) continue;
    LinkHold hold;
    WriteArea(3, int32_t(i), ToneWord(int(i), controls));
    WriteArea(1, 0, 1);
  }
}

const std::vector<LabelRule>& ToneLabels() {
  static const std::vector<LabelRule> rules = [] {
    static const char* kLabels[] = {"Tone1FreqLabel", "Tone1AmpLabel", "Tone2FreqLabel",
                                    "Tone2AmpLabel",  "Tone3FreqLabel", "Tone3AmpLabel",
                                    "Tone4FreqLabel", "Tone4AmpLabel"};
    std::vector<LabelRule> all;
    for (size_t i = 0; i < 8; ++i) {
      const std::string bar = ToneBars()[i];
      const char* unit = i % 2 == 0 ? "Hz" : "%";
      all.push_back({kLabels[i], {bar}, [bar, unit](const ControlView& c) {
                       return std::to_string(c.Position(bar)) + unit;
                     }});
    }
    return all;
  }();
  return rules;
}

}  // namespace vt::editors
