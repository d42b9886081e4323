#include "editors/UlDyn.h"

#include <cmath>

#include "common/Numbers.h"
#include "editors/NoiseGate.h"
#include "handset/Handset.h"
#include "handset/Link.h"

namespace vt::editors {

namespace {

using P = HandsetObject;
constexpr P kCommit{P::Param, 0};

P Param(int id) { return {P::Param, id}; }

Rebuild PositionOf(const char* bar) {
  return [bar](int32_t, const SectionContext& ctx) { return int32_t(ctx.Position(bar)); };
}

long double Log20(long double x) { return 20.0L * std::log10(x); }

// Single talk: attenuation p - 40 dB; during echo: p - 60 dB.
int StDb(const ControlView& c) { return c.Position("ScrollBar13") - 40; }
int DeDb(const ControlView& c) { return c.Position("ScrollBar57") - 60; }

GateWords SingleTalk(const ControlView& c) {
  return NoiseGateWords(StDb(c), c.Position("ScrollBar52"), c.Position("ScrollBar53"),
                        c.Position("ScrollBar54"), c.Position("ScrollBar55"),
                        c.Position("ScrollBar56"));
}

int32_t ComfortNoiseSwitch(const ControlView& c) { return c.Checked("CheckBox119") ? 0x40 : 0; }
constexpr int32_t kComfortNoiseLevel = 0x6000;

}  // namespace

const std::vector<LabelRule>& UlDynLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label36", {"ScrollBar20"},
       [](const ControlView& c) {
         return Num(Trunc(100.0L * 2.0L / (c.Position("ScrollBar20") * 0.02L)) / 100.0L) + " dB/s";
       }},
      {"Label37", {"ScrollBar21"},
       [](const ControlView& c) {
         return Num(Trunc(100.0L * 50.0L * Log20(16384.0L / c.Position("ScrollBar21"))) / 100.0L) +
                " dB/s";
       }},
      {"Label38", {"ScrollBar22"},
       [](const ControlView& c) {
         return Num(Trunc(100.0L * 50.0L * Log20(c.Position("ScrollBar22") / 16384.0L)) / 100.0L) +
                " dB/s";
       }},
      {"Label197", {"ScrollBar19"},
       [](const ControlView& c) {
         return Num(Trunc(100.0L * Log20(c.Position("ScrollBar19") / 4096.0L)) / 100.0L) + " dB";
       }},
      {"Label198", {"ScrollBar64"},
       [](const ControlView& c) {
         return Num(Trunc(100.0L * c.Position("ScrollBar64") / 256.0L) / 100.0L);
       }},
      {"Label139", {"ScrollBar13"}, [](const ControlView& c) { return Num(StDb(c)) + "dB"; }},
      {"Label141", {"ScrollBar52"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar52") * 0.125L) + "ms"; }},
      {"Label143", {"ScrollBar53"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar53") * 0.125L) + "ms"; }},
      {"Label160", {"ScrollBar57"}, [](const ControlView& c) { return Num(DeDb(c)) + "dB"; }},
      {"Label162", {"ScrollBar58"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar58") * 0.125L) + "ms"; }},
      {"Label164", {"ScrollBar59"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar59") * 0.125L) + "ms"; }},
  };
  return rules;
}

const std::vector<Section>& UlDynSections() {
  static const std::vector<Section> sections = [] {
    Section agc;
    agc.checkBox = "CheckBox39";
    agc.members = {"ScrollBar20"};
    agc.steps = {{{{Param(11), [](int32_t, const SectionContext&) { return 0x0FFA; }, false},
                   {Param(12), PositionOf("ScrollBar20"), false}},
                  {Param(11), Param(12)},
                  {kCommit}}};
    agc.commitOnMemberChange = false;
    agc.releases = {Param(12), Param(11)};

    Section lvb;
    lvb.checkBox = "CheckBox38";
    lvb.members = {"ScrollBar21", "ScrollBar22", "ScrollBar19"};
    lvb.steps = {{{{Param(13), PositionOf("ScrollBar21"), false},
                   {Param(14), PositionOf("ScrollBar22"), false},
                   {Param(151), PositionOf("ScrollBar19"), false}},
                  {Param(13), Param(14), Param(151)},
                  {kCommit}}};

    // The two harmonizers share one handset resource: the other direction's
    // word is read and written back as it is.
    Section harm;
    harm.checkBox = "CheckBox40";
    harm.steps = {{{{Param(150), PositionOf("ScrollBar64"), false},
                    {Param(149), [](int32_t read, const SectionContext&) { return read; }, true}},
                   {Param(150)},
                   {kCommit}}};
    return std::vector<Section>{agc, lvb, harm};
  }();
  return sections;
}

const Section& UlHarmonizerBar() {
  static const Section bar = [] {
    Section s;
    s.checkBox = "CheckBox40";
    s.members = {"ScrollBar64"};
    s.steps = {{{{Param(150), PositionOf("ScrollBar64"), false}}, {}, {kCommit}}};
    return s;
  }();
  return bar;
}

void UlNoiseGateClicked(const ControlView& c) {
  SetParamOverride(126, c.Checked("CheckBox118"));
  UlNoiseGateSend(c);
}

void UlNoiseGateSend(const ControlView& c) {
  if (!c.Checked("CheckBox118") || !c.Shown("CheckBox118") || !LinkUp(Link())) return;
  LinkHold hold;
  const GateWords st = SingleTalk(c);
  const int de = DeDb(c);
  const int deClosing = c.Position("ScrollBar58"), deOpening = c.Position("ScrollBar59");
  WriteParam(128, 0, st.attenuation);
  WriteParam(127, 0, st.closingStep);
  WriteParam(126, 0, st.openingStep);
  WriteParam(129, 0, st.openingSmoothing);
  WriteParam(130, 0, st.closingSmoothing);
  WriteParam(131, 0, st.farEndFast);
  WriteParam(132, 0, st.farEndSlow);
  WriteParam(133, 0, st.sensitivity);
  if (c.Shown("ScrollBar56")) WriteParam(134, 0, st.softOpening);
  WriteParam(137, 0, GateAttenuationWord(de));
  WriteParam(136, 0, GateClosingWord(de, deClosing));
  WriteParam(135, 0, GateOpeningWord(de, deOpening));
  WriteParam(138, 0, c.Position("ScrollBar60"));
  WriteParam(140, 0, kComfortNoiseLevel);
  WriteParam(139, 0, ComfortNoiseSwitch(c));
  ApplyParams();
  if (ChipType() == 3) ApplyDsp(9);
}

namespace {

// A gate word key: written from the controls, read back into `bar` by
// finding the position whose word it is (the words of a later key depend on
// the bars an earlier key has set).
MemoKey GateKey(std::string key, const char* bar, int lo, int hi,
                std::function<int32_t(const ControlView&, int)> wordAt) {
  auto compute = [bar, wordAt](const ControlView& c) { return wordAt(c, c.Position(bar)); };
  auto apply = [bar, lo, hi, wordAt](ControlView& c, int32_t v) {
    const ControlView& view = c;
    c.SetPosition(bar, FindPosition(lo, hi, v, [&](int p) { return wordAt(view, p); }));
  };
  return ComputedKey(std::move(key), compute, apply);
}

// The during-echo times come before their attenuation in the section: read
// back, each is set at once from the attenuation as it stands and again when
// the attenuation has been read.
struct PendingTime {
  const char* bar;
  int hi;
  std::function<int32_t(const ControlView&, int)> wordAt;
  int32_t word;
};
using PendingTimes = std::vector<PendingTime>;
PendingTimes& Pending() {
  static PendingTimes pending;
  return pending;
}

MemoKey DuringEchoTimeKey(std::string key, const char* bar, int hi, int32_t (*word)(int, int)) {
  auto wordAt = [word](const ControlView& c, int p) { return word(DeDb(c), p); };
  MemoKey k = GateKey(std::move(key), bar, 1, hi, wordAt);
  auto setNow = k.apply;
  k.apply = [setNow, bar, hi, wordAt](ControlView& c, int32_t v) {
    setNow(c, v);
    Pending().push_back({bar, hi, wordAt, v});
  };
  return k;
}

MemoKey DuringEchoAttenuationKey() {
  MemoKey k = GateKey("NoiseGate_att_DLVD", "ScrollBar57", 1, 59,
                      [](const ControlView&, int p) { return GateAttenuationWord(p - 60); });
  auto setNow = k.apply;
  k.apply = [setNow](ControlView& c, int32_t v) {
    setNow(c, v);
    PendingTimes pending = std::move(Pending());
    Pending() = {};
    const ControlView& view = c;
    for (const PendingTime& t : pending)
      c.SetPosition(t.bar, FindPosition(1, t.hi, t.word, [&](int p) { return t.wordAt(view, p); }));
  };
  return k;
}

MemoKey WordKey(std::string key, std::function<int32_t(const GateWords&)> pick) {
  return ComputedKey(std::move(key), [pick](const ControlView& c) { return pick(SingleTalk(c)); });
}

}  // namespace

const MemoSection& UlAgcParMemo() {
  static const MemoSection section = [] {
    const std::string gate = "GroupBox53";
    std::vector<MemoKey> gateKeys = {
        GateKey("NoiseGate_att", "ScrollBar13", 1, 39,
                [](const ControlView&, int p) { return GateAttenuationWord(p - 40); }),
        GateKey("NoiseGate_GDecay", "ScrollBar52", 1, 8000,
                [](const ControlView& c, int p) { return GateClosingWord(StDb(c), p); }),
        GateKey("NoiseGate_GRising", "ScrollBar53", 1, 160,
                [](const ControlView& c, int p) { return GateOpeningWord(StDb(c), p); }),
        WordKey("NoiseGate_FTR", [](const GateWords& w) { return w.openingSmoothing; }),
        WordKey("NoiseGate_FTD", [](const GateWords& w) { return w.closingSmoothing; }),
        GateKey("NoiseGate_STR", "ScrollBar55", 10, 50,
                [](const ControlView&, int p) { return FarEndFastWord(p); }),
        WordKey("NoiseGate_STD", [](const GateWords& w) { return w.farEndSlow; }),
        IntKey("NoiseGate_THR", "ScrollBar54"),
        IntKey("NoiseGate_SoftRel", "ScrollBar56"),
        DuringEchoTimeKey("NoiseGate_GRising_DLVD", "ScrollBar59", 500, GateOpeningWord),
        DuringEchoTimeKey("NoiseGate_GDecay_DLVD", "ScrollBar58", 2000, GateClosingWord),
        DuringEchoAttenuationKey(),
        IntKey("NoiseGate_THR_DLVD", "ScrollBar60"),
        ConstantKey("NoiseGate_NoiseFill_Tau", kComfortNoiseLevel),
        ComputedKey("NoiseGate_NoiseFill_Lvl", ComfortNoiseSwitch,
                    [](ControlView& c, int32_t v) { c.SetChecked("CheckBox119", v != 0); }),
    };
    MemoSection s{"UL_AGC_PAR",
                  {ConstantKey("Lim_thr", 0x0FFA), IntKey("Lim_release", "ScrollBar20"),
                   IntKey("Exp_attack", "ScrollBar21"), IntKey("Exp_release", "ScrollBar22"),
                   IntKey("LvbGain", "ScrollBar19").If(FirmwareFlag::VoiceBoosterAndHarmonizers),
                   IntKey("UlHarmLevel", "ScrollBar64").If(FirmwareFlag::VoiceBoosterAndHarmonizers)}};
    for (const MemoKey& k : gateKeys) s.keys.push_back(k.IfShown(gate));
    return s;
  }();
  return section;
}

}  // namespace vt::editors
