#include "editors/SelectiveEs.h"

#include "handset/Handset.h"
#include "handset/Link.h"
#include "editors/DlDyn.h"

namespace vt::editors {

namespace {
constexpr const char* kList = "ValueListEditor8";
constexpr const char* kSection = "CheckBox96";
constexpr int32_t kUnity = 4096;  // Q12

void WriteDynamic(const ControlView& controls) {
  const auto w = DynamicWords(controls);
  for (size_t k = 0; k < w.size(); ++k) WriteParam(uint8_t(141 + k), 0, w[k]);
}
}  // namespace

CurvePoints ValidPoints(const CurvePoints& p) {
  size_t k = 0;
  while (k < p.size() && p[k].bin < 63 && (k == 0 || p[k].bin > p[k - 1].bin)) ++k;
  bool valid = k < p.size() && p[k].bin == 63 && (k == 0 || p[k].bin > p[k - 1].bin);
  for (size_t j = k + 1; valid && j < p.size(); ++j) valid = p[j].bin == 0 && p[j].gain == 0;
  if (valid) return p;
  return {CurvePoint{63, kUnity}, CurvePoint{}, CurvePoint{}, CurvePoint{}};
}

std::array<int32_t, 64> GainTable(const CurvePoints& p) {
  std::array<int32_t, 64> table{};
  table[0] = 32768;
  int64_t v = 32768;
  size_t j = 0;
  for (int32_t b = 1; b < 64; ++b) {
    while (j < p.size() && p[j].bin != 0 && b > p[j].bin) ++j;
    const int32_t gain = j < p.size() && p[j].bin != 0 ? p[j].gain : kUnity;
    v = (v * gain) >> 12;
    table[size_t(b)] = int32_t(v);
  }
  return table;
}

std::array<int32_t, 5> DynamicWords(const ControlView& controls) {
  if (!controls.Checked("CheckBox120")) return {0, 0, 0x2000, 0, 0};
  const int32_t m = controls.Checked("RadioButton36") ? 0x8000 : 0;
  const int32_t p61 = controls.Position("ScrollBar61"), p62 = controls.Position("ScrollBar62"),
                p63 = controls.Position("ScrollBar63");
  return {p61 * 20 + m, p61 * 100, p62 * 100, p63 / 100, p63};
}

std::string SelEsUpdate(const ControlView& controls, int chipType, bool dynamic) {
  if (!LinkUp(Link())) return {};
  if (ApiFlag1() && !controls.Checked(kSection)) return {};
  CurvePoints points{CurvePoint{63, kUnity}, CurvePoint{}, CurvePoint{}, CurvePoint{}};
  const bool flat = !controls.Checked("CheckBox98") && chipType == 1;
  if (!flat) {
    const ListWords w = ReadListWords(controls.ListRows(kList), 1, 8);
    if (!w.ok()) return w.error;
    for (size_t k = 0; k < 4; ++k) points[k] = {w.words[2 * k], w.words[2 * k + 1]};
    points = ValidPoints(points);
  }
  if (!controls.Shown(kList)) return {};
  LinkHold hold;
  if (!ApiFlag1()) {
    std::array<int32_t, 64> table{};
    if (flat) table.fill(0x8000);
    else table = GainTable(points);
    const int32_t base = chipType == 3 ? 6072 : 15052;
    for (int32_t i = 0; i < 64; ++i) Poke(base + i, table[size_t(i)]);
    return {};
  }
  for (size_t k = 0; k < 4; ++k) WriteParam(121, int32_t(k), points[k].bin);
  for (size_t k = 0; k < 4; ++k) WriteParam(122, int32_t(k), points[k].gain);
  if (dynamic) WriteDynamic(controls);
  ApplyParams();
  return {};
}

std::string SelEsSectionClicked(const ControlView& controls, int chipType, bool dynamic) {
  if (!ApiFlag1()) return {};
  if (controls.Checked(kSection)) {
    const ListWords w = ReadListWords(controls.ListRows(kList), 1, 8);
    if (!w.ok()) return w.error;
    LinkHold hold;
    SetParamOverride(121, true);
    if (dynamic) SetParamOverride(141, true);
    return SelEsUpdate(controls, chipType, dynamic);
  }
  LinkHold hold;
  SetParamOverride(121, false);
  if (dynamic) SetParamOverride(141, false);
  return {};
}

void SelEsDynamicChanged(const ControlView& controls) {
  if (!controls.Checked(kSection)) return;
  LinkHold hold;
  WriteDynamic(controls);
  ApplyParams();
}

void PollSelectiveEs(ControlView& controls) {
  if (!controls.Checked(kSection) || !LinkFreeForPoll()) return;
  LinkHold hold;
  controls.SetPosition("TrackBar15", Peek(6415));
}

const ListMemo& SelEsMemo() {
  auto word = [](size_t k) {
    return [k](const ControlView& c) { return DynamicWords(c)[k]; };
  };
  static const ListMemo m{"SEL_ES",
                          kList,
                          {BoolKey("SelESEN", "CheckBox98").Chip(1),
                           ComputedKey("DynSelEsG1", word(0)), ComputedKey("DynSelEsG2", word(1)),
                           ComputedKey("DynSelEsOffset", word(2)),
                           ComputedKey("DynSelEsTauR", word(3)),
                           ComputedKey("DynSelEsTauD", word(4))},
                          {}};
  return m;
}

}  // namespace vt::editors
