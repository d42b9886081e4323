#include "editors/DlDyn.h"

#include <array>
#include <cmath>
#include <string>

#include "common/Numbers.h"
#include "editors/NoiseGate.h"
#include "handset/Handset.h"
#include "handset/Link.h"

namespace vt::editors {

namespace {

using P = HandsetObject;
constexpr P kCommit{P::Param, 0};
P Param(int id, int word = 0) { return {P::Param, id, word}; }

long double Log20(long double x) { return 20.0L * std::log10(x); }

// Half-dB steps: trunc(2 x 20 log10(x)) x 0.5.
long double HalfDb(long double ratio) { return Trunc(2.0L * Log20(ratio)) * 0.5L; }
long double ThresholdShown(const ControlView& c) {
  return HalfDb(c.Position("ScrollBar30") / 16384.0L);
}

int GateDb(const ControlView& c) { return c.Position("ScrollBar33") - 40; }
GateWords Gate(const ControlView& c) {
  return NoiseGateWords(GateDb(c), c.Position("ScrollBar34"), c.Position("ScrollBar35"),
                        c.Position("ScrollBar36"), c.Position("ScrollBar37"),
                        c.Position("ScrollBar38"));
}

std::string HalfDbText(const ControlView& c, const char* bar, int offset) {
  return Num((c.Position(bar) - offset) * 0.5L) + " dB";
}

int32_t LevelWord(int position) { return DbWord((position - 120) * 0.5L, 32767.0L); }

// The gate's control word: the address and the bits a set "Enable" writes.
int32_t ControlWordAddress() { return ChipConstants().Address(2); }  // 32871 on chip type 1

void SwitchControlBits(int32_t clear, int32_t set) {
  const int32_t address = ControlWordAddress();
  const int32_t v = Peek(address);
  // The word as an unsigned 16-bit value; the line ends in CR LF like every
  // other (the socket manager waits for it before passing a line on).
  Poke(address, ((v & clear) | set) & 0xFFFF);
}

// Level of a handset reading against full scale; 0 reads as 1.
long double Level(int32_t v) { return Log20((v == 0 ? 1 : v) / 32767.0L); }

}  // namespace

const std::vector<LabelRule>& DlDynLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label50", {"ScrollBar30"}, [](const ControlView& c) { return Num(ThresholdShown(c)) + " dBfs"; }},
      {"Label51", {"ScrollBar31"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar31")) + " samples"; }},
      {"Label52", {"ScrollBar32"},
       [](const ControlView& c) { return Num(HalfDb(c.Position("ScrollBar32") / 256.0L)) + " dB"; }},
      {"Label60", {"ScrollBar33"}, [](const ControlView& c) { return Num(GateDb(c)) + "dB"; }},
      {"Label62", {"ScrollBar34"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar34") * 0.125L) + "ms"; }},
      {"Label64", {"ScrollBar35"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar35") * 0.125L) + "ms"; }},
      {"Label83", {"ScrollBar39"}, [](const ControlView& c) { return HalfDbText(c, "ScrollBar39", 120); }},
      {"Label85", {"ScrollBar40"}, [](const ControlView& c) { return HalfDbText(c, "ScrollBar40", 120); }},
      {"Label88", {"ScrollBar41"},
       [](const ControlView& c) {
         const int p = c.Position("ScrollBar41");
         return Num(Trunc(10.0L * p / (p - 2)) / 10.0L) + ":1";
       }},
      {"Label90", {"ScrollBar42"}, [](const ControlView& c) { return HalfDbText(c, "ScrollBar42", 120); }},
      {"Label92", {"ScrollBar43"}, [](const ControlView& c) { return HalfDbText(c, "ScrollBar43", 0); }},
      {"Label199", {"ScrollBar65"},
       [](const ControlView& c) {
         return Num(Trunc(100.0L * c.Position("ScrollBar65") / 256.0L) / 100.0L);
       }},
  };
  return rules;
}

const Section& DlHarmonizerClick() {
  static const Section s = [] {
    Section h;
    h.checkBox = "CheckBox41";
    h.steps = {{{{Param(150), [](int32_t read, const SectionContext&) { return read; }, true},
                 {Param(149), [](int32_t, const SectionContext& c) { return int32_t(c.Position("ScrollBar65")); }, false}},
                {Param(149)},
                {kCommit}}};
    return h;
  }();
  return s;
}

const Section& DlHarmonizerBar() {
  static const Section s = [] {
    Section h;
    h.checkBox = "CheckBox41";
    h.members = {"ScrollBar65"};
    h.steps = {{{{Param(149), [](int32_t, const SectionContext& c) { return int32_t(c.Position("ScrollBar65")); }, false}},
                {},
                {kCommit}}};
    return h;
  }();
  return s;
}

namespace {
void PeakLimiterSend(const ControlView& c, bool enable) {
  {
    LinkHold hold;
    for (int w = 0; w < 3; ++w)
      WriteParam(23, w, c.Position(std::array{"ScrollBar30", "ScrollBar31", "ScrollBar32"}[size_t(w)]));
    if (enable) SetParamOverride(23, true);
    ApplyParams();
  }
  if (IdentifyChip().chipType != 1) return;
  LinkHold hold;
  SwitchControlBits(0xFFDD, c.Checked("CheckBox90") ? 0x22 : 0);
}
}  // namespace

void PeakLimiterClicked(ControlView& c) {
  if (c.Checked("CheckBox91")) PeakLimiterSend(c, true);
  else SetParamOverride(23, false);
}

void PeakLimiterChanged(ControlView& c) {
  if (c.Checked("CheckBox92"))
    c.SetPosition("ScrollBar32",
                  int(Trunc(std::pow(10.0L, 0.05L * (0.1L - ThresholdShown(c))) * 256.0L)));
  if (c.Checked("CheckBox91")) PeakLimiterSend(c, false);
}

void DlNoiseGateClicked(const ControlView& c) {
  SetParamOverride(112, c.Checked("CheckBox94"));
  DlNoiseGateSend(c);
}

void DlNoiseGateSend(const ControlView& c) {
  if (!c.Checked("CheckBox94") || !c.Shown("CheckBox94") || !LinkUp(Link())) return;
  LinkHold hold;
  const GateWords w = Gate(c);
  WriteParam(114, 0, w.attenuation);
  WriteParam(113, 0, w.closingStep);
  WriteParam(112, 0, w.openingStep);
  WriteParam(115, 0, w.openingSmoothing);
  WriteParam(116, 0, w.closingSmoothing);
  WriteParam(117, 0, w.farEndFast);
  WriteParam(118, 0, w.farEndSlow);
  WriteParam(119, 0, w.sensitivity);
  if (c.Shown("ScrollBar38")) WriteParam(120, 0, w.softOpening);
  if (ChipType() == 1) SwitchControlBits(0xFF3B, c.Checked("CheckBox95") ? 0x44 : 0);
  ApplyParams();
  if (ChipType() == 3) ApplyDsp(9);
}

std::vector<int32_t> VoiceCompressorWords(const ControlView& c) {
  return {DbWord(0.5L * c.Position("ScrollBar43"), 256.0L), LevelWord(c.Position("ScrollBar42")),
          LevelWord(c.Position("ScrollBar40")), LevelWord(c.Position("ScrollBar39")),
          c.Position("ScrollBar41"), 8000};
}

namespace {
void WriteVoiceCompressor(const ControlView& c, bool enable) {
  LinkHold hold;
  const std::vector<int32_t> words = VoiceCompressorWords(c);
  for (size_t n = 0; n < words.size(); ++n) WriteParam(24, int32_t(n), words[n]);
  if (enable) SetParamOverride(24, true);
  ApplyParams();
}

// One-shot marks of a position set by a neighbour: gate pushed comp up, comp
// pushed limiter up, comp pushed gate down, limiter pushed comp down.
enum Push { GateUp, CompUp, CompDown, LimiterDown };
std::array<bool, 4>& Pushed() {
  static std::array<bool, 4> flags{};
  return flags;
}

void PushBar(ControlView& c, Push mark, const char* bar, int to) {
  Pushed()[mark] = true;
  c.SetPosition(bar, to);
}
}  // namespace

void ResetVoiceCompressorFlags() { Pushed() = {}; }

void VoiceCompressorClicked(const ControlView& c) {
  if (c.Checked("CheckBox108")) WriteVoiceCompressor(c, true);
  else SetParamOverride(24, false);
}

void VoiceCompressorBarChanged(ControlView& c, std::string_view bar,
                               const std::function<void()>& redraw) {
  if (redraw) redraw();
  const int gate = c.Position("ScrollBar39"), comp = c.Position("ScrollBar40"),
            lim = c.Position("ScrollBar42");
  auto& pushed = Pushed();
  if (bar == "ScrollBar39") {
    const bool fromComp = std::exchange(pushed[CompDown], false);
    if (!fromComp && gate > comp) PushBar(c, GateUp, "ScrollBar40", gate);
  } else if (bar == "ScrollBar40") {
    const bool fromGate = std::exchange(pushed[GateUp], false);
    const bool fromLimiter = std::exchange(pushed[LimiterDown], false);
    if (!fromLimiter && comp > lim) PushBar(c, CompUp, "ScrollBar42", comp);
    if (!fromGate && comp < gate) PushBar(c, CompDown, "ScrollBar39", comp);
  } else if (bar == "ScrollBar42") {
    const bool fromComp = std::exchange(pushed[CompUp], false);
    if (!fromComp && lim < comp) PushBar(c, LimiterDown, "ScrollBar40", lim);
  }
  if (c.Checked("CheckBox108")) WriteVoiceCompressor(c, false);
}

bool LinkFreeForPoll() {
  SocketManager* link = Link();
  return LinkUp(link) && LinkAnswering(link) && !LinkWaiting();
}

void PollDlNoiseGate(ControlView& c) {
  if (!c.Checked("CheckBox94") || !LinkFreeForPoll()) return;
  LinkHold hold;
  const bool chip3 = ChipType() == 3;
  const int32_t word = Peek(chip3 ? ChipConstants().Address(3) : ChipConstants().Address(2));
  if ((word & (chip3 ? 0x10 : 0x40)) == 0) return;
  const int32_t block = ChipConstants().Address(5);
  const int32_t a = Peek(block + 2);
  int32_t b = Peek(block + 4) + c.Position("ScrollBar36");
  if (a + b == 0) b = 1;
  c.SetPosition("TrackBar4", int(Trunc(100.0L * a / (a + b))));
  const long double level = Level(Peek(block));
  const int att = GateDb(c);
  c.SetPosition("TrackBar1", int(Trunc((att - level) * 100.0L / att)));
}

void PollVoiceCompressor(ControlView& c) {
  if (!c.Checked("CheckBox108") || !c.Checked("CheckBox104") || !c.Checked("CheckBox102") ||
      !LinkFreeForPoll())
    return;
  long double l1, l2, l3;
  {
    LinkHold hold;
    l1 = Level(Peek(ChipConstants().Address(6)));
    l2 = Level(Peek(ChipConstants().Address(7)));
    l3 = Level(Peek(ChipConstants().Address(8)));
  }
  if (l1 != 0) c.SetPosition("TrackBar2", int(Trunc((l1 - l2) * 100.0L / l1)));
  c.SetPosition("TrackBar3", int(Trunc(l3)));
}

const MemoSection& AgcParMemo() {
  static const MemoSection section = [] {
    auto gateKey = [](std::string key, const char* bar, int lo, int hi,
                      std::function<int32_t(const ControlView&, int)> wordAt) {
      auto compute = [bar, wordAt](const ControlView& c) { return wordAt(c, c.Position(bar)); };
      auto apply = [bar, lo, hi, wordAt](ControlView& c, int32_t v) {
        const ControlView& view = c;
        c.SetPosition(bar, FindPosition(lo, hi, v, [&](int p) { return wordAt(view, p); }));
      };
      return ComputedKey(std::move(key), compute, apply);
    };
    auto wordKey = [](std::string key, int32_t GateWords::*member) {
      return ComputedKey(std::move(key), [member](const ControlView& c) { return Gate(c).*member; });
    };
    auto levelKey = [](std::string key, const char* bar, int lo, int hi) {
      return ComputedKey(
          std::move(key), [bar](const ControlView& c) { return LevelWord(c.Position(bar)); },
          [bar, lo, hi](ControlView& c, int32_t v) { c.SetPosition(bar, FindPosition(lo, hi, v, LevelWord)); });
    };
    return MemoSection{
        "AGC_PAR",
        {IntKey("DlHarmLevel", "ScrollBar65").If(FirmwareFlag::VoiceBoosterAndHarmonizers),
         IntKey("PeakComp_limit", "ScrollBar30"), IntKey("PeakComp_window", "ScrollBar31"),
         IntKey("PeakComp_gain", "ScrollBar32"), BoolKey("PeakComp_enable", "CheckBox90").Chip(1),
         BoolKey("NoiseGate_enable", "CheckBox95").Chip(1),
         gateKey("NoiseGate_att", "ScrollBar33", 1, 39,
                 [](const ControlView&, int p) { return GateAttenuationWord(p - 40); }),
         gateKey("NoiseGate_GDecay", "ScrollBar34", 1, 8000,
                 [](const ControlView& c, int p) { return GateClosingWord(GateDb(c), p); }),
         gateKey("NoiseGate_GRising", "ScrollBar35", 1, 160,
                 [](const ControlView& c, int p) { return GateOpeningWord(GateDb(c), p); }),
         wordKey("NoiseGate_FTR", &GateWords::openingSmoothing),
         wordKey("NoiseGate_FTD", &GateWords::closingSmoothing),
         gateKey("NoiseGate_STR", "ScrollBar37", 10, 50,
                 [](const ControlView&, int p) { return FarEndFastWord(p); }),
         wordKey("NoiseGate_STD", &GateWords::farEndSlow), IntKey("NoiseGate_THR", "ScrollBar36"),
         IntKey("NoiseGate_SoftRel", "ScrollBar38"),
         levelKey("VoiceComp_GateThr", "ScrollBar39", -40, 80).Chip(3),
         levelKey("VoiceComp_CompThr", "ScrollBar40", 0, 120).Chip(3),
         levelKey("VoiceComp_LimThr", "ScrollBar42", 0, 120).Chip(3),
         ComputedKey(
             "VoiceComp_PostGain",
             [](const ControlView& c) { return DbWord(0.5L * c.Position("ScrollBar43"), 256.0L); },
             [](ControlView& c, int32_t v) {
               c.SetPosition("ScrollBar43", FindPosition(0, 80, v, [](int p) { return DbWord(0.5L * p, 256.0L); }));
             })
             .Chip(3),
         IntKey("VoiceComp_Ratio", "ScrollBar41").Chip(3)}};
  }();
  return section;
}

}  // namespace vt::editors
