// The echo-canceller wizard's block in the memo, its status read-outs polled
// from the handset, and its help text.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "config/LineStore.h"
#include "config/MemoConfig.h"
#include "editors/DlDyn.h"
#include "editors/EcWizard.h"
#include "handset/Handset.h"

namespace vt::editors {

using Kind = WizardControl::Kind;

namespace {
constexpr const char* kBegin = "Begin EC_wizard";
constexpr const char* kEnd = "End EC_wizard";

const std::vector<std::pair<const char*, const char*>>& MemoKeys() {
  static const std::vector<std::pair<const char*, const char*>> keys = {
      {"EC_enable", "CheckBox2"},          {"FE_noise_time_cte", "TrackBar8"},
      {"FE_active_time_cte", "TrackBar9"}, {"FE_thr", "TrackBar7"},
      {"OL_corr_time_cte", "TrackBar14"},  {"OL_fast_thr", "TrackBar15"},
      {"OL_fast_time_cte", "TrackBar17"},  {"OL_slow_thr", "TrackBar16"},
      {"CL_thr", "TrackBar10"},            {"CL_time_cte", "TrackBar11"},
      {"CL_relax_time_cte", "TrackBar12"}, {"CTRL_fast_residue", "TrackBar27"},
      {"CTRL_fast_res_vs_mike", "TrackBar28"}, {"CTRL_fast_OL_1", "TrackBar29"},
      {"CTRL_fast_OL_2", "TrackBar31"},    {"CTRL_fast_CL", "TrackBar32"},
      {"CTRL_midh_OL", "TrackBar35"},      {"CTRL_midh_CL", "TrackBar36"},
      {"CTRL_midl_OL", "TrackBar39"},      {"SPEED_taps", "TrackBar41"},
      {"SPEED_order", "TrackBar42"},       {"SPEED_fast", "TrackBar43"},
      {"SPEED_midh", "TrackBar44"},        {"SPEED_midl", "TrackBar45"},
      {"SPEED_slow", "TrackBar46"},        {"MISC_clip", "TrackBar50"},
      {"MISC_noise_lvl", "TrackBar51"},    {"MISC_noise_tone", "TrackBar52"},
      {"MISC_clip_enable", "CheckBox4"},   {"MISC_noise_enable", "CheckBox5"},
      {"FE_delay", "TrackBar55"},          {"ES_att", "TrackBar49"},
      {"ES_att_rate", "TrackBar53"},       {"ES_relax_rate", "TrackBar54"}};
  return keys;
}

// The block's "Begin" and "End" lines; end is -1 when the block is not
// closed (it then runs to the next section or the memo's end).
std::pair<int, int> FindBlock(const LineStore& memo) {
  const int begin = memo.IndexOf(kBegin);
  if (begin < 0) return {-1, -1};
  for (int i = begin + 1; i < memo.Count(); ++i) {
    const std::string line = memo.Line(i);
    if (line == kEnd) return {begin, i};
    if (line.rfind("Begin ", 0) == 0) return {begin, i - 1};
  }
  return {begin, memo.Count() - 1};
}
}  // namespace

void WizardToMemo(const ControlView& wizard, LineStore& memo) {
  if (const auto [begin, end] = FindBlock(memo); begin >= 0) memo.DeleteRange(begin, end - begin + 1);
  memo.Append(kBegin);
  for (const auto& [key, control] : MemoKeys()) {
    const std::string value = control[0] == 'C' ? BoolToValue(wizard.Checked(control))
                                                : std::to_string(wizard.Position(control));
    memo.Append(std::string("    ") + key + "=" + value);
  }
  memo.Append(kEnd);
}

bool WizardFromMemo(const LineStore& memo, ControlView& wizard) {
  const auto [begin, end] = FindBlock(memo);
  if (begin < 0) return false;
  std::vector<std::pair<std::string, std::string>> pairs;
  for (int i = begin + 1; i <= end && i < memo.Count(); ++i) {
    std::string key, value;
    SplitKeyLine(memo.Line(i), key, value);
    pairs.emplace_back(key, value);
  }
  for (const auto& [key, value] : pairs)
    for (const auto& [k, control] : MemoKeys()) {
      if (key != k) continue;
      const WizardControl* w = FindWizardControl(control);
      if (w->kind == Kind::Box) wizard.SetChecked(control, ValueToBool(value));
      else wizard.SetPosition(control, std::clamp(int(ValueToInt(value)), w->min, w->max));
    }
  return true;
}

namespace {
constexpr uint32_t kRed = 255, kWhite = 0xFFFFFF, kAqua = 0xFFFF00;

int32_t Signed(int32_t w) { return w > 32767 ? w - 65536 : w; }
// A display bar's position: truncated, then held within the bar's range.
int Bar(std::string_view name, long double x) {
  const WizardControl* w = FindWizardControl(name);
  return std::clamp(int(std::trunc(x)), w->min, w->max);
}
long double Ratio(long double a, long double b) { return b == 0 ? 0 : a / b; }
}  // namespace

std::optional<WizardStatus> PollWizardStatus(int page, const ControlView& wizard) {
  static const std::vector<std::vector<int>> kWords = {
      {0, 1, 2}, {3, 4}, {5}, {0, 6, 7, 8, 3, 5}, {0, 3, 5}, {0, 3}, {0, 6, 7}};
  if (page < 0 || page >= int(kWords.size())) return WizardStatus{};
  if (!LinkFreeForPoll()) return std::nullopt;
  std::array<int32_t, 9> w{};
  {
    LinkHold hold;
    for (int i : kWords[size_t(page)]) w[size_t(i)] = ReadStatusWord(i);
  }
  for (int i : {3, 4, 5}) w[size_t(i)] = Signed(w[size_t(i)]);
  const int s = int((uint32_t(w[0]) >> ChipConstants().Word(16)) & 3);
  WizardStatus out;
  std::map<std::string, int, std::less<>> at;
  auto set = [&](const char* bar, long double x) {
    at[bar] = Bar(bar, x);
    out.positions.emplace_back(bar, at[bar]);
  };
  std::map<std::string, bool, std::less<>> on;
  auto flag = [&](const char* label, bool v) {
    on[label] = v;
    out.labels.push_back({label, v ? "1" : "0", v ? kRed : kWhite});
  };
  auto above = [&](const char* bar, const char* threshold) {
    return at[bar] > wizard.Position(threshold);
  };
  auto below = [&](const char* bar, const char* threshold) {
    return at[bar] < wizard.Position(threshold);
  };
  const long double ol = w[3] * 50 / 32767.0L + 50, cl = w[5] * 2 * 50 / 32767.0L + 50;
  switch (page) {
    case 0:
      set("TrackBar4", w[2] * 0.05L);
      set("TrackBar5", w[1] * 0.05L);
      set("TrackBar6", Ratio(w[1] * 2.0L, w[2]));
      out.boxes.emplace_back("CheckBox3", (w[0] & ChipConstants().Word(11)) != 0);
      break;
    case 1:
      set("TrackBar2", ol);
      set("TrackBar13", w[4] * 50 / 32767.0L + 50);
      break;
    case 2: set("TrackBar3", cl); break;
    case 3:
      set("TrackBar1", s);
      set("TrackBar23", Ratio(w[6] * 10.0L, w[7]) - 10);
      set("TrackBar24", Ratio(w[6] * 100.0L, w[8]));
      set("TrackBar26", cl);
      set("TrackBar25", ol);
      set("TrackBar30", ol);
      flag("Label90", below("TrackBar23", "TrackBar27"));
      flag("Label89", below("TrackBar24", "TrackBar28"));
      flag("Label92", above("TrackBar26", "TrackBar32"));
      flag("Label88", above("TrackBar25", "TrackBar29"));
      flag("Label91", above("TrackBar30", "TrackBar31"));
      flag("Label87", on["Label90"] || on["Label89"]);
      flag("Label93", on["Label91"] && on["Label92"]);
      flag("Label94", on["Label87"] && on["Label88"]);
      flag("Label95", on["Label93"] || on["Label94"]);
      break;
    case 4:
      set("TrackBar33", s);
      set("TrackBar37", cl);
      flag("Label132", above("TrackBar37", "TrackBar36"));
      set("TrackBar34", ol);
      flag("Label131", above("TrackBar34", "TrackBar35"));
      flag("Label133", on["Label131"] && on["Label132"]);
      break;
    case 5:
      set("TrackBar40", s);
      set("TrackBar38", ol);
      flag("Label140", above("TrackBar38", "TrackBar39"));
      break;
    default:
      set("TrackBar1", s);
      set("TrackBar47", Ratio(w[6] * 10.0L, w[7]) - 10);
      out.labels.push_back({"Label147", "", s == 3 ? kRed : kAqua});
      out.labels.push_back({"Label161", "", s == 2 ? kRed : kAqua});
      out.labels.push_back({"Label164", "", s == 2 ? kRed : kAqua});
      out.labels.push_back({"Label167", "", s == 1 ? kRed : kAqua});
  }
  return out;
}

const std::vector<std::string>& WizardFarEndHelp() {
  static const std::vector<std::string> lines = {
      "This page gives adjustment capability of the far-end activity detection.",
      "Far-end noise:",
      "Reports the evaluated level of noise. In absence of far-end background noise, this level "
      "should remain low.",
      "Noise time cte:",
      "Allows adjusting the time constant used to smooth the noise estimation.",
      "The noise estimation should not rise too fast when far-end is active.",
      "Far-end active:",
      "Reports the evaluated level of far-end active voice.",
      "Active time cte:",
      "Allows adjusting the time constant used to smooth the active channel estimation.",
      "Far-end criteria:",
      "This criteria is the metric used to detect far-end voice activity.",
      "This criteria is the ratio of active channel with estimated noise.",
      "Far-end det. threshold:",
      "Threshold on Far-end criteria to logically declare the channel active."};
  return lines;
}

}  // namespace vt::editors
