#include "editors/EcWizard.h"

#include <algorithm>
#include <array>
#include <map>
#include <cmath>
#include <cstdlib>

#include "config/LineStore.h"
#include "config/MemoConfig.h"
#include "editors/DlDyn.h"
#include "editors/EchoCanceller.h"
#include "handset/Handset.h"

namespace vt::editors {

namespace {
using Kind = WizardControl::Kind;

// Truncation toward zero of a value computed in extended precision; a value
// within rounding noise of an integer is that integer (0.4 x 32000 is 12800,
// not 12799).
int32_t Tr(long double x) {
  const long double r = std::round(x);
  if (std::fabs(x - r) < 1e-9L * std::max<long double>(1, std::fabs(x))) return int32_t(r);
  return int32_t(std::trunc(x));
}

long double D(int p) { return 121 - p; }
long double Time(int p) { return 33600 - 100000.0L / D(p); }
long double Threshold(int p) { return 27700.0L * p * 0.01L + 5000; }
long double Logic(int p) { return (p - 50) * 655.34L; }

constexpr const char* kSpeed[] = {"TrackBar43", "TrackBar44", "TrackBar45", "TrackBar46"};
}  // namespace

const std::vector<std::string>& WizardPages() {
  static const std::vector<std::string> pages = {
      "Far end signal",          "Open loop DT detector",       "Closed loop correlator",
      "Control logic - Fast",    "Control logic - Medium high", "Control logic - Medium low",
      "Speed - Size",            "Misc - EC",                   "Echo suppressor"};
  return pages;
}

const std::vector<WizardControl>& WizardControls() {
  static const std::vector<WizardControl> controls = {
      {"TrackBar4", 0, "Far-end noise:", 0, 100, 0, Kind::Status, ""},
      {"TrackBar8", 0, "Noise time cte:", 11, 110, 30, Kind::Input, ""},
      {"TrackBar5", 0, "Far-end active:", 0, 100, 0, Kind::Status, ""},
      {"TrackBar9", 0, "Active time cte:", 11, 110, 87, Kind::Input, ""},
      {"TrackBar6", 0, "Far-end criteria:", 0, 100, 0, Kind::Status, ""},
      {"TrackBar7", 0, "Far-end det. threshold:", 1, 100, 17, Kind::Input, ""},
      {"CheckBox3", 0, "Far end detected", 0, 0, 0, Kind::StatusBox, ""},
      {"TrackBar13", 1, "Open loop detector:", 0, 100, 50, Kind::Status, "Label57"},
      {"TrackBar14", 1, "Correlator time cte:", 11, 110, 60, Kind::Input, "Label59"},
      {"TrackBar2", 1, "Fast open loop detector:", 0, 100, 50, Kind::Status, "Label61"},
      {"TrackBar15", 1, "Fast correlation threshold:", 0, 100, 60, Kind::Input, "Label63"},
      {"TrackBar16", 1, "Correlation threshold:", 0, 100, 60, Kind::Input, "Label65"},
      {"TrackBar17", 1, "Fast correlation time cte:", 11, 110, 60, Kind::Input, "Label67"},
      {"TrackBar3", 2, "Closed loop correlator:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar10", 2, "Correlation threshold:", 0, 100, 80, Kind::Input, ""},
      {"TrackBar11", 2, "Correlator time cte:", 11, 110, 85, Kind::Input, ""},
      {"TrackBar12", 2, "Relaxing time cte:", 11, 110, 60, Kind::Input, ""},
      {"TrackBar1", 3, "Convergence Speed", 0, 3, 0, Kind::Status, ""},
      {"TrackBar23", 3, "Residual level:", 0, 100, 0, Kind::Status, ""},
      {"TrackBar27", 3, "Residual threshold:", 0, 100, 25, Kind::Input, ""},
      {"TrackBar24", 3, "Residual vs mike:", 0, 100, 0, Kind::Status, ""},
      {"TrackBar28", 3, "Residual vs mike threshold:", 0, 100, 25, Kind::Input, ""},
      {"TrackBar25", 3, "Open loop 1:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar29", 3, "Open loop 1 threshold:", 0, 100, 90, Kind::Input, ""},
      {"TrackBar30", 3, "Open loop 2:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar31", 3, "Open loop 2 threshold:", 0, 100, 85, Kind::Input, ""},
      {"TrackBar26", 3, "Closed loop:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar32", 3, "Closed loop threshold:", 0, 100, 90, Kind::Input, ""},
      {"TrackBar33", 4, "Convergence Speed", 0, 3, 0, Kind::Status, ""},
      {"TrackBar34", 4, "Open loop:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar35", 4, "Open loop threshold:", 0, 100, 75, Kind::Input, ""},
      {"TrackBar37", 4, "Closed loop:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar36", 4, "Closed loop threshold:", 0, 100, 75, Kind::Input, ""},
      {"TrackBar40", 5, "Convergence Speed", 0, 3, 0, Kind::Status, ""},
      {"TrackBar38", 5, "Open loop:", 0, 100, 50, Kind::Status, ""},
      {"TrackBar39", 5, "Open loop threshold:", 0, 100, 65, Kind::Input, ""},
      {"TrackBar41", 6, "Taps count:", 32, 352, 256, Kind::Input, ""},
      {"TrackBar42", 6, "FAP order", 1, 4, 2, Kind::Input, ""},
      {"TrackBar47", 6, "Residual level:", 0, 100, 0, Kind::Status, ""},
      {"TrackBar43", 6, "Fast convergence speed", 0, 100, 90, Kind::Input, "Label147"},
      {"TrackBar44", 6, "Med-high convergence speed", 0, 100, 75, Kind::Input, "Label161"},
      {"TrackBar45", 6, "Med-slow convergence speed", 0, 100, 40, Kind::Input, "Label164"},
      {"TrackBar46", 6, "Slow convergence speed", 0, 100, 10, Kind::Input, "Label167"},
      {"TrackBar50", 7, "Center clipping threshold", 0, 100, 15, Kind::Input, ""},
      {"TrackBar51", 7, "Noise fill quantity", 0, 100, 15, Kind::Input, ""},
      {"TrackBar52", 7, "Noise tonality", 0, 100, 90, Kind::Input, ""},
      {"TrackBar55", 7, "Far-end speed delay", 0, 256, 125, Kind::Input, ""},
      {"CheckBox4", 7, "Enable clipper", 0, 0, 0, Kind::Box, ""},
      {"CheckBox5", 7, "Enable noise fill", 0, 0, 0, Kind::Box, ""},
      {"TrackBar49", 8, "Attenuation:", 0, 40, 0, Kind::Input, ""},
      {"TrackBar53", 8, "Attenuation time:", 1, 800, 200, Kind::Input, ""},
      {"TrackBar54", 8, "Recovering time:", 1, 800, 200, Kind::Input, ""},
      {"CheckBox2", -1, "Enable Echo Canceller", 0, 0, 0, Kind::Box, ""},
  };
  return controls;
}

const WizardControl* FindWizardControl(std::string_view name) {
  for (const WizardControl& c : WizardControls())
    if (c.name == name) return &c;
  return nullptr;
}

bool WritesEchoSuppressor(std::string_view control) {
  return control == "TrackBar49" || control == "TrackBar53" || control == "TrackBar54";
}

std::vector<WizardRow> WizardRowsOf(std::string_view control, const ControlView& w) {
  const int p = w.Position(control);
  const std::string_view c = control;
  if (c == "TrackBar7") return {{"L_FarEnd", 128 * p + 128}, {"Cfe_L0", 128 * p + 128}};
  if (c == "TrackBar8")
    return {{"TauBr", Tr(60000 / D(p) - 535)},
            {"TauBd", Tr(1000 + 180000 / D(p) - 1535)},
            {"TauCr", Tr(80 * (p - 11) * 0.01L + 5)}};
  if (c == "TrackBar9")
    return {{"TauAr", Tr(Time(p))}, {"TauAd", Tr(33070 - 40000 / D(p))}};
  if (c == "TrackBar14") return {{"Cxd_Tau1", Tr(Time(p))}};
  if (c == "TrackBar15") return {{"Cxd_L1", Tr(Threshold(p))}};
  if (c == "TrackBar16") return {{"Cxd_L2", Tr(Threshold(p))}};
  if (c == "TrackBar17") return {{"Cxd_Tau2", Tr(Time(p))}};
  if (c == "TrackBar10") return {{"Cfe_L1", Tr(Threshold(p))}};
  if (c == "TrackBar11") return {{"CfeTau1", Tr(Time(p))}};
  if (c == "TrackBar12") return {{"CfeTau2", Tr(Time(p))}};
  if (c == "TrackBar27") return {{"L_Residual1", Tr((0.1L * p + 1) * 256)}};
  if (c == "TrackBar28") return {{"L_Residual2", Tr(0.01L * p * 32767)}};
  if (c == "TrackBar29") return {{"L_Cxd1", Tr(Logic(p))}};
  if (c == "TrackBar31") return {{"L_Cxd2", Tr(Logic(p))}};
  if (c == "TrackBar32") return {{"L_Cfe1", Tr(Logic(p) * 0.5L)}};
  if (c == "TrackBar35") return {{"L_Cxd3", Tr(Logic(p))}};
  if (c == "TrackBar36") return {{"L_Cfe2", Tr(Logic(p) * 0.5L)}};
  if (c == "TrackBar39") return {{"L_Cxd4", Tr(Logic(p))}};
  if (c == "TrackBar41") return {{"L", p}};
  if (c == "TrackBar42") return {{"P", p}};
  if (std::find(std::begin(kSpeed), std::end(kSpeed), c) != std::end(kSpeed)) {
    // All four bars equal at 0: each ratio is taken as 1.
    const long double f = w.Position(kSpeed[0]) * 0.01L;
    auto mu = [&](const char* bar) {
      return f == 0 ? 32767 : Tr(32767 * (w.Position(bar) * 0.01L) / f);
    };
    return {{"Mu", Tr(32000 * f)},
            {"Mu1", mu(kSpeed[1])},
            {"Mu2", mu(kSpeed[2])},
            {"Mu3", mu(kSpeed[3])}};
  }
  if (c == "TrackBar50") return {{"NFGamma1", Tr(p * 0.1L * 256)}};
  if (c == "TrackBar51") return {{"NFGamma2", Tr(p * 0.1L * 256)}};
  if (c == "TrackBar52") return {{"NFp", Tr((0.5L * p * 0.01L + 0.49L) * 32767)}};
  if (c == "TrackBar55") return {{"FE_SpeechDelay", p}};
  if (WritesEchoSuppressor(c)) {
    const int a = w.Position("TrackBar49");
    const int ta = std::max(1, w.Position("TrackBar53"));
    const int tr = std::max(1, w.Position("TrackBar54"));
    const int32_t g = std::max(1, Tr(std::pow(10.0L, -0.05L * a) * 32767));
    const long double ratio = g / 32767.0L;
    long double x = std::pow(10.0L, std::log10(1 / ratio) / tr) * 16383;
    if (x > 32766) x = 32767;
    return {{"UL_Gmin", g},
            {"UL_TauD", Tr(std::pow(10.0L, std::log10(ratio) / ta) * 32767)},
            {"UL_TauR", Tr(x)}};
  }
  return {};
}

namespace {
// The frame's rows named by the mapping set as decimal text; keys the list
// does not have are passed over.
void WriteRows(ControlView& frame, const std::string& list, const std::vector<WizardRow>& rows) {
  const RowList have = frame.ListRows(list);
  for (const WizardRow& r : rows)
    for (size_t k = 0; k < have.size(); ++k)
      if (have[k].first == r.key) frame.SetListValue(list, int(k) + 1, std::to_string(r.value));
}

// Bars faster than the moved one are pushed up to it, slower ones down.
void PushSpeedBars(WizardContext& c, std::string_view moved) {
  const auto* at = std::find(std::begin(kSpeed), std::end(kSpeed), moved);
  const int p = c.wizard.Position(moved);
  ++c.nesting;
  for (const auto* b = std::begin(kSpeed); b != std::end(kSpeed); ++b) {
    const int q = c.wizard.Position(*b);
    if ((b < at && q < p) || (b > at && q > p)) c.wizard.SetPosition(*b, p);
  }
  --c.nesting;
}

std::string Map(WizardContext& c, std::string_view control) {
  const std::string_view n = control;
  if (n == "CheckBox2" || n == "CheckBox4" || n == "CheckBox5") {
    const char* frameBox = n == "CheckBox2" ? "CheckBox8" : n == "CheckBox4" ? "CheckBox78" : "CheckBox79";
    c.frame.SetChecked(frameBox, c.wizard.Checked(control));
    return {};
  }
  const std::vector<WizardRow> rows = WizardRowsOf(control, c.wizard);
  if (rows.empty()) return {};
  if (WritesEchoSuppressor(n)) {
    WriteRows(c.frame, EsList().list, rows);
    c.frame.SetChecked("CheckBox22", c.wizard.Position("TrackBar49") >= 1);
    return ListResend(EsList(), c.frame);
  }
  WriteRows(c.frame, EcList(c.state.chipType), rows);
  return EcSend(c.frame, c.state, c.kept);
}
}  // namespace

std::string WizardChanged(WizardContext& c, std::string_view control, bool byCode) {
  if (control == "TrackBar55")
    c.wizard.SetText("Label4", std::to_string(c.wizard.Position(control)) + " samples");
  const bool speed =
      std::find(std::begin(kSpeed), std::end(kSpeed), control) != std::end(kSpeed);
  if (speed) {
    if (c.nesting > 0) return {};
    PushSpeedBars(c, control);
  }
  if (!byCode && !c.wizard.Focused(control)) return {};
  return Map(c, speed ? std::string_view(kSpeed[0]) : control);
}

std::string WizardResend(WizardContext& c) {
  const std::string list = EcList(c.state.chipType);
  const RowList rows = c.frame.ListRows(list);
  for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{
           {"Delta(MSB)", "0x0003"},
           {"Delta(LSB)", "0xD090"},
           {"L0", "0x0200"},
           {"Holdoff", "0x012C"},
           {"L_Cxd5", "0x8000"}})
    for (size_t k = 0; k < rows.size(); ++k)
      if (rows[k].first == key) c.frame.SetListValue(list, int(k) + 1, value);
  std::string error;
  for (const WizardControl& w : WizardControls())
    if ((w.kind == Kind::Input || w.kind == Kind::Box) && !WritesEchoSuppressor(w.name) &&
        error.empty())
      error = Map(c, w.name);
  return error.empty() ? Map(c, "TrackBar49") : error;
}

std::string WizardRestart(WizardContext& c) { return EcSend(c.frame, c.state, c.kept); }

std::string WizardCalculate(WizardContext& c) {
  int32_t in = 0, out = 0, fir = 0;
  {
    LinkHold hold;
    in = ReadParam(6, 0);
    out = ReadParam(7, 0);
    fir = ReadDspItem(4);
  }
  long double t = 10 + in / 256.0L - out / 256.0L;
  if (fir & 0x1000) t += (fir & (c.state.chipType == 3 ? 0x2000 : 0x0800)) ? 3 : 2;
  c.wizard.SetPosition("TrackBar55", std::clamp(Tr(8 * t), 0, 256));
  return WizardChanged(c, "TrackBar55", true);
}

void WizardFromFrame(WizardContext& c) {
  c.wizard.SetChecked("CheckBox2", c.frame.Checked("CheckBox8"));
  c.wizard.SetChecked("CheckBox4", c.frame.Checked("CheckBox78"));
  c.wizard.SetChecked("CheckBox5", c.frame.Checked("CheckBox79"));
  // A scratch copy of the positions, searched bar by bar in table order (so
  // the fast speed bar is known before the ratios of the slower ones).
  ControlMap scratch;
  for (const WizardControl& w : WizardControls()) scratch.SetPosition(w.name, c.wizard.Position(w.name));
  std::vector<std::pair<std::string, int32_t>> want;
  for (const std::string& list : {EcList(c.state.chipType), EsList().list})
    for (const auto& [key, text] : c.frame.ListRows(list))
      if (auto v = ParseWord(text)) want.emplace_back(key, *v);
  auto target = [&](const std::string& key) -> std::optional<int32_t> {
    for (const auto& [k, v] : want)
      if (k == key) return v;
    return std::nullopt;
  };
  for (const WizardControl& w : WizardControls()) {
    if (w.kind != Kind::Input) continue;
    int best = scratch.Position(w.name);
    long double bestError = -1;
    for (int p = w.min; p <= w.max; ++p) {
      scratch.SetPosition(w.name, p);
      long double error = 0;
      bool any = false;
      for (const WizardRow& r : WizardRowsOf(w.name, scratch)) {
        // Each speed bar answers for its own row; the fast one for "Mu".
        const bool mine = w.name == kSpeed[0]   ? r.key == "Mu"
                          : w.name == kSpeed[1] ? r.key == "Mu1"
                          : w.name == kSpeed[2] ? r.key == "Mu2"
                          : w.name == kSpeed[3] ? r.key == "Mu3"
                          : WritesEchoSuppressor(w.name)
                              ? (w.name == "TrackBar49"   ? r.key == "UL_Gmin"
                                 : w.name == "TrackBar53" ? r.key == "UL_TauD"
                                                          : r.key == "UL_TauR")
                              : true;
        if (!mine) continue;
        if (auto v = target(r.key)) {
          error += std::fabs(static_cast<long double>(*v - r.value));
          any = true;
        }
      }
      if (any && (bestError < 0 || error < bestError)) bestError = error, best = p;
    }
    scratch.SetPosition(w.name, best);
  }
  for (const WizardControl& w : WizardControls())
    if (w.kind == Kind::Input) c.wizard.SetPosition(w.name, scratch.Position(w.name));
}

void WizardLaunch(ControlView& frame, KeptRows& kept) {
  for (const char* box : {"CheckBox18", "CheckBox19", "CheckBox20", "CheckBox7", "CheckBox21",
                          "CheckBox25"})
    if (!frame.Checked(box)) frame.SetChecked(box, true);
  kept.Clear();
}

bool WizardShowsOpenLoop(int chipType, int versionA, int versionB) {
  return chipType != 3 && !(chipType == 1 && versionA == 5 && versionB > 15);
}

}  // namespace vt::editors
