#include "editors/Music.h"

#include <cmath>

#include "common/Numbers.h"
#include "editors/NoiseGate.h"
#include "handset/Handset.h"

namespace vt::editors {

namespace {
constexpr uint8_t kClearLiftItem = 7;
int32_t MixLevel(int dB) { return DbWord(dB, 32.0L); }
}  // namespace

ClearLiftBoost ClearLiftBoostWords(int dB) {
  const long double g = std::pow(10.0L, 0.05L * dB);
  const int32_t q = int32_t(Trunc(1073676289.0L / g));
  return {int32_t(Trunc(32767.0L / g)), q >> 16, q & 0xFFFF};
}

std::pair<int32_t, int32_t> EnhancerMix(int presence) {
  if (presence >= 128) return {128, int32_t(Trunc((256 - presence) * 0.7L))};
  return {presence, 0x59};
}

int32_t MixerWord(int fmDb, int waveTableDb) { return MixLevel(fmDb) + MixLevel(waveTableDb) * 256; }

const std::vector<LabelRule>& MusicLabels() {
  static const std::vector<LabelRule> rules = {
      {"Label108", {"ScrollBar44"}, [](const ControlView& c) { return Num(c.Position("ScrollBar44")) + " dB"; }},
      {"Label111", {"ScrollBar45"},
       [](const ControlView& c) { return Num(c.Position("ScrollBar45") * 0.025L) + " ms"; }},
      {"Label200", {"ScrollBar66"},
       [](const ControlView& c) { return Num(Trunc(c.Position("ScrollBar66") * 100.0L / 256.0L) / 100.0L); }},
      {"Label112", {"ScrollBar50"}, [](const ControlView& c) { return Num(c.Position("ScrollBar50")) + " dB"; }},
      {"Label124", {"ScrollBar51"}, [](const ControlView& c) { return Num(c.Position("ScrollBar51")) + " dB"; }},
  };
  return rules;
}

void ClearLiftClicked(ControlView& c) {
  const bool on = c.Checked("CheckBox111");
  {
    LinkHold hold;
    if (on) {
      SetDspOverride(kClearLiftItem, true);
      ClearLiftEnableChanged(c);
      SetParamOverride(101, true);
      ClearLiftBoostChanged(c);
      ClearLiftGranularityChanged(c);
    } else {
      SetParamOverride(101, false);
      SetDspOverride(kClearLiftItem, false);
    }
  }
  c.SetChecked("CheckBox41", on);
}

void ClearLiftEnableChanged(const ControlView& c) {
  if (!c.Checked("CheckBox111")) return;
  LinkHold hold;
  const int32_t word = (ReadDspItem(kClearLiftItem) & 0xFFF7) + (c.Checked("CheckBox112") ? 8 : 0);
  WriteDspItem(kClearLiftItem, word);
  ApplyDsp(kClearLiftItem);
}

void ClearLiftBoostChanged(const ControlView& c) {
  if (!c.Checked("CheckBox111")) return;
  LinkHold hold;
  const ClearLiftBoost w = ClearLiftBoostWords(c.Position("ScrollBar44"));
  WriteParam(101, 0, w.threshold);
  WriteParam(102, 0, w.amountHigh);
  WriteParam(103, 0, w.amountLow);
  WriteParam(104, 0, 0x7FFF);
  ApplyParams();
}

void ClearLiftGranularityChanged(const ControlView& c) {
  if (!c.Checked("CheckBox111")) return;
  LinkHold hold;
  WriteParam(105, 0, c.Position("ScrollBar45"));
  ApplyParams();
}

void MusicHarmonizerChanged(ControlView& c) { c.SetPosition("ScrollBar65", c.Position("ScrollBar66")); }

void EnhancerClicked(const ControlView& c) {
  if (c.Checked("CheckBox113")) {
    LinkHold hold;
    SetParamOverride(106, true);
    EnhancerChanged(c);
  } else {
    SetParamOverride(106, false);
  }
}

void EnhancerChanged(const ControlView& c) {
  if (!c.Checked("CheckBox113")) return;
  LinkHold hold;
  WriteParam(106, 0, 0x20);
  WriteParam(107, 0, 0x14);
  WriteParam(108, 0, c.Position("ScrollBar48"));
  WriteParam(109, 0, c.Position("ScrollBar47"));
  const auto [wet, dry] = EnhancerMix(c.Position("ScrollBar46"));
  WriteParam(110, 0, wet);
  WriteParam(111, 0, dry);
  ApplyParams();
}

void MixerClicked(const ControlView& c) {
  if (c.Checked("CheckBox114")) {
    LinkHold hold;
    SetParamOverride(123, true);
    MixerChanged(c);
  } else {
    SetParamOverride(123, false);
  }
}

void MixerChanged(const ControlView& c) {
  if (!c.Checked("CheckBox114")) return;
  LinkHold hold;
  WriteParam(123, 0, 0x7FFF);
  WriteParam(123, 1, MixerWord(c.Position("ScrollBar50"), c.Position("ScrollBar51")));
  ApplyParams();
}

const MemoSection& MusicTrtMemo() {
  static const MemoSection section = [] {
    auto boost = [](int32_t ClearLiftBoost::*member) {
      return [member](const ControlView& c) { return ClearLiftBoostWords(c.Position("ScrollBar44")).*member; };
    };
    auto mix = [](const ControlView& c) { return EnhancerMix(c.Position("ScrollBar46")); };
    return MemoSection{
        "MUSIC_TRT",
        {BoolKey("ClearLiftEnable", "CheckBox112"),
         ComputedKey("ClearLiftThr", boost(&ClearLiftBoost::threshold),
                     [](ControlView& c, int32_t v) {
                       c.SetPosition("ScrollBar44", FindPosition(0, 20, v, [](int p) {
                                       return ClearLiftBoostWords(p).threshold;
                                     }));
                     }),
         ComputedKey("ClearLiftAmountH", boost(&ClearLiftBoost::amountHigh)),
         ComputedKey("ClearLiftAmountL", boost(&ClearLiftBoost::amountLow)),
         ConstantKey("ClearLiftLimit", 32767), IntKey("ClearLiftCycle", "ScrollBar45"),
         IntKey("DlHarmLevel", "ScrollBar66").If(FirmwareFlag::VoiceBoosterAndHarmonizers),
         ConstantKey("EnhancerFB1", 32), ConstantKey("EnhancerFF1", 20),
         IntKey("EnhancerFB2", "ScrollBar48"), IntKey("EnhancerDrive", "ScrollBar47"),
         ComputedKey("EnhancerWet", [mix](const ControlView& c) { return mix(c).first; },
                     [](ControlView& c, int32_t v) { c.SetPosition("ScrollBar46", v < 128 ? v : 128); }),
         ComputedKey("EnhancerDry", [mix](const ControlView& c) { return mix(c).second; },
                     [](ControlView& c, int32_t v) {
                       if (c.Position("ScrollBar46") < 128) return;
                       c.SetPosition("ScrollBar46", FindPosition(128, 256, v, [](int p) {
                                       return EnhancerMix(p).second;
                                     }));
                     }),
         ConstantKey("MidiMix1", 32767),
         ComputedKey("MidiMix2",
                     [](const ControlView& c) {
                       return MixerWord(c.Position("ScrollBar50"), c.Position("ScrollBar51"));
                     },
                     [](ControlView& c, int32_t v) {
                       c.SetPosition("ScrollBar50", FindPosition(-30, 9, v & 0xFF, MixLevel));
                       c.SetPosition("ScrollBar51", FindPosition(-30, 9, (v >> 8) & 0xFF, MixLevel));
                     })}};
  }();
  return section;
}

}  // namespace vt::editors
