#include "editors/ParamLists.h"

#include "common/Numbers.h"
#include "config/MemoConfig.h"
#include "editors/DspConfig.h"
#include "editors/Sections.h"
#include "handset/Handset.h"

namespace vt::editors {

std::optional<int32_t> ParseWord(std::string_view text) {
  long long v = 0;
  if (!TryStrToInt(text, v) || v < -32768 || v > 65535) return std::nullopt;
  return int32_t(v);
}

ListWords ReadListWords(const RowList& rows, int first, int last) {
  ListWords out;
  for (int r = first; r <= last; ++r) {
    if (r > int(rows.size())) {
      out.error = "Row " + std::to_string(r) + " is missing from the list: nothing was sent.";
      return out;
    }
    const auto& [key, text] = rows[size_t(r - 1)];
    const std::optional<int32_t> w = ParseWord(text);
    if (!w) {
      out.error = "Row " + std::to_string(r) + " (" + key + "): '" + text +
                  "' is not a 16-bit value: nothing was sent.";
      out.words.clear();
      return out;
    }
    out.words.push_back(*w);
  }
  return out;
}

const ParamList& EsList() {
  static const ParamList l{"ValueListEditor5", "CheckBox19", 17, 6};
  return l;
}
const ParamList& UlNsList() {
  static const ParamList l{"ValueListEditor6", "CheckBox20", 18, 7};
  return l;
}
const ParamList& DlNsList() {
  static const ParamList l{"ValueListEditor10", "CheckBox13", 124, 7, ParamList::DlNsRestart};
  return l;
}
const ParamList& UlFirList() {
  static const ParamList l{"ValueListEditor2", "CheckBox10", 0, 33};
  return l;
}
const ParamList& DlFirList() {
  static const ParamList l{"ValueListEditor1", "CheckBox9", 1, 33, ParamList::DlFirLength};
  return l;
}
const ParamList& UlIirList() {
  static const ParamList l{"ValueListEditor3", "CheckBox15", 2, 20};
  return l;
}
const ParamList& DlIirList() {
  static const ParamList l{"ValueListEditor7", "CheckBox83", 22, 10};
  return l;
}

namespace {
// The FIR length field of DSP item 3 from the length buttons, its other bits
// (the DL FIR enable among them) kept.
void RewriteDlFirLength(const ControlView& controls) {
  const SectionContext ctx{controls, ChipType()};
  const int32_t read = ReadDspItemInForce(3);
  const int32_t kept = ctx.chipType == 3 ? read & 0x1F00 : read & (0xFF00 - 0x0800);
  WriteDspItem(3, kept + DlFirLengthBits(ctx) + 0x00A0);
  ApplyDsp(3);
}

std::string Send(const ParamList& l, const ControlView& controls, bool enable) {
  const ListWords w = ReadListWords(controls.ListRows(l.list), 1, l.words);
  if (!w.ok()) return w.error;
  LinkHold hold;
  const auto id = uint8_t(l.paramId);
  for (int k = 0; k < l.words; ++k) WriteParam(id, k, w.words[size_t(k)]);
  if (enable) SetParamOverride(id, true);
  ApplyParams();
  if (l.after == ParamList::DlFirLength) {
    RewriteDlFirLength(controls);
  } else if (l.after == ParamList::DlNsRestart && !enable) {
    WriteDspItem(9, ReadDspItem(9) | 2);
    SetDspOverride(9, true);
    ApplyDsp(9);
    SetDspOverride(9, false);
  }
  return {};
}
}  // namespace

std::string ListSectionClicked(const ParamList& l, const ControlView& controls) {
  if (controls.Checked(l.checkBox)) return Send(l, controls, true);
  LinkHold hold;
  SetParamOverride(uint8_t(l.paramId), false);
  return {};
}

std::string ListResend(const ParamList& l, const ControlView& controls) {
  return controls.Checked(l.checkBox) ? Send(l, controls, false) : std::string();
}

bool KeptRows::Changed(int row, const std::string& text) {
  if (row < 1 || row > kRows) return true;
  auto& kept = texts_[size_t(row - 1)];
  if (kept && *kept == text) return false;
  kept = text;
  return true;
}

namespace {
std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

int RowOf(const RowList& rows, std::string_view key) {
  for (size_t r = 0; r < rows.size(); ++r)
    if (rows[r].first == key) return int(r) + 1;
  return 0;
}
}  // namespace

int PasteRows(ControlView& controls, const std::string& list, std::string_view text) {
  const RowList rows = controls.ListRows(list);
  int set = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    if (const int r = RowOf(rows, Trim(line.substr(0, eq)))) {
      controls.SetListValue(list, r, Trim(line.substr(eq + 1)));
      ++set;
    }
  }
  return set;
}

std::string ListOf(const ListMemo& m, int chipType) {
  if (!m.list.empty()) return m.list;
  return chipType == 3 ? "ValueListEditor9" : "ValueListEditor4";
}

void SendListToMemo(const ListMemo& m, const ControlView& controls, const FrameState& state,
                    MemoConfig& memo) {
  if (!m.shownControl.empty() && !controls.Shown(m.shownControl)) return;
  KeyLines lines = controls.ListRows(ListOf(m, state.chipType));
  const KeyLines extras = KeyLinesFromControls(MemoSection{m.name, m.extras}, controls, state);
  lines.insert(lines.end(), extras.begin(), extras.end());
  WriteSection(memo, m.name, lines);
}

void GetListFromMemo(const ListMemo& m, MemoConfig& memo, ControlView& controls,
                     const FrameState& state) {
  const std::string list = ListOf(m, state.chipType);
  const RowList rows = controls.ListRows(list);
  KeyLines pairs;
  memo.OpenSection(m.name);
  for (std::string key, value; memo.NextKeyValue(key, value);) pairs.emplace_back(key, value);
  for (const auto& [key, value] : pairs)
    if (const int r = RowOf(rows, key)) controls.SetListValue(list, r, value);
  if (!m.extras.empty()) GetSectionFromMemo(MemoSection{m.name, m.extras}, memo, controls);
}

const ListMemo& DlFirMemo() {
  static const ListMemo m{"DL_FIR",
                          "ValueListEditor1",
                          {OneOfKey("Length", {{"32", "RadioButton18"},
                                               {"47", "RadioButton19"},
                                               {"48", "RadioButton20"},
                                               {"63", "RadioButton31"},
                                               {"64", "RadioButton32"}})},
                          {}};
  return m;
}
const ListMemo& UlFirMemo() {
  static const ListMemo m{"UL_FIR", "ValueListEditor2", {}, {}};
  return m;
}
const ListMemo& DlIirMemo() {
  static const ListMemo m{"DL_IIR", "ValueListEditor7", {}, {}};
  return m;
}
const ListMemo& UlIirMemo() {
  static const ListMemo m{"UL_IIR", "ValueListEditor3", {}, {}};
  return m;
}
const ListMemo& EsMemo() {
  static const ListMemo m{"ES", "ValueListEditor5", {}, {}};
  return m;
}
const ListMemo& NsMemo() {
  static const ListMemo m{"NS", "ValueListEditor6", {}, {}};
  return m;
}
const ListMemo& DlNsMemo() {
  static const ListMemo m{"DL_NS", "ValueListEditor10", {}, "GroupBox43"};
  return m;
}

}  // namespace vt::editors
