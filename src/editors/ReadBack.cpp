#include "editors/ReadBack.h"

#include <algorithm>
#include <map>

#include "config/MemoConfig.h"
#include "editors/CodecConfig.h"
#include "editors/CodecInput.h"
#include "editors/CodecMisc.h"
#include "editors/CodecOutput.h"
#include "editors/Delays.h"
#include "editors/DlDyn.h"
#include "editors/DspConfig.h"
#include "editors/EchoCanceller.h"
#include "editors/GlobalPath.h"
#include "editors/Music.h"
#include "editors/ParamLists.h"
#include "editors/PcmPort.h"
#include "editors/SelectiveEs.h"
#include "editors/UlDyn.h"
#include "handset/Handset.h"
#include "handset/Link.h"

namespace vt::editors {

namespace {

using Source = std::function<std::optional<int32_t>()>;
using Sources = std::vector<std::pair<std::string, Source>>;

// Items read once per section: several keys take bits of the same word.
std::map<int, int32_t> codecWords, dspWords;

int32_t Codec(int item) {
  auto it = codecWords.find(item);
  if (it == codecWords.end()) it = codecWords.emplace(item, ReadCodecItem(uint8_t(item))).first;
  return it->second;
}
int32_t Dsp(int item) {
  auto it = dspWords.find(item);
  if (it == dspWords.end()) it = dspWords.emplace(item, ReadDspItem(uint8_t(item))).first;
  return it->second;
}

Source CodecBits(int item, int first, int count) {
  return [=]() -> std::optional<int32_t> { return (Codec(item) >> first) & ((1 << count) - 1); };
}
Source CodecSet(int item, int bit) { return CodecBits(item, bit, 1); }
Source CodecClear(int item, int bit) {
  return [=]() -> std::optional<int32_t> { return ((Codec(item) >> bit) & 1) == 0; };
}
Source CodecWord(int item) {
  return [=]() -> std::optional<int32_t> { return Codec(item); };
}
Source DspSet(int item, int32_t mask) {
  return [=]() -> std::optional<int32_t> { return (Dsp(item) & mask) != 0; };
}
Source DspChipMask(int item, int k) {
  return [=]() -> std::optional<int32_t> { return (Dsp(item) & ChipConstants().Mask(k)) != 0; };
}
Source Param(int id, int offset = 0) {
  return [=]() -> std::optional<int32_t> { return ReadParam(uint8_t(id), offset); };
}
Sources Params(const std::vector<std::pair<std::string, int>>& keys) {
  Sources s;
  for (const auto& [key, id] : keys) s.emplace_back(key, Param(id));
  return s;
}
Sources ParamWords(int id, const std::vector<std::pair<std::string, int>>& keys) {
  Sources s;
  for (const auto& [key, offset] : keys) s.emplace_back(key, Param(id, offset));
  return s;
}
Sources Join(Sources a, const Sources& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// CODEC_OUTPUT: the bits of item 0 that the output selection clears, as
// the index of the output among the key's texts (Headset, Ear, Line, Spk1,
// Spk2, 8ohms).
std::optional<int32_t> OutputSelection() {
  switch ((~Codec(0) >> 3) & 0x3F) {
    case 3: return 0;
    case 12: return 1;
    case 48: return 2;
    case 6: return 3;
    case 9: return (Codec(1) & 0x1800) ? 5 : 4;
    default: return std::nullopt;
  }
}

// The microphone ground: a 32-bit peek under its own request and release.
std::optional<int32_t> MikeGround() {
  const bool held = LinkHeld();
  if (held) UnholdLink();
  const uint32_t v = PeekLong(kMicGroundPeekAddress);
  if (held) HoldLink();
  return ((v >> 24) & 1) == 0;  // "Ground" unless bit 24 is set
}

// DL_FIR `Length` from the length field of DSP item 3, as the index among
// 32, 47, 48, 63, 64.
std::optional<int32_t> DlFirLength() {
  const int32_t w = Dsp(3);
  if (ChipType() != 3) return (w & 0x0800) ? 2 : 0;
  switch (w & 0xE000) {
    case 0xA000: return 1;
    case 0x2000: return 2;
    case 0xC000: return 3;
    case 0x4000: return 4;
    default: return 0;
  }
}

const MemoSection& Sourced(const std::string& name) {
  static const std::map<std::string, MemoSection> sections = [] {
    std::map<std::string, MemoSection> m;
    auto add = [&m](const MemoSection& s, const Sources& sources) {
      m.emplace(s.name, WithSources(s, sources));
    };
    add(DspConfMemo(),
        {{"DL_FIR_en", DspChipMask(3, 5)}, {"DL_IIR_en", DspChipMask(3, 3)},
         {"UL_FIR_en", DspSet(4, 4096)},   {"UL_IIR_en", DspSet(4, 1024)},
         {"EC_en", DspSet(5, 64)},         {"EC_clip", DspSet(5, 8)},
         {"EC_noise", DspSet(5, 16)},      {"ES_UL_en", DspSet(5, 2)},
         {"ES_DL_en", DspSet(5, 4)},       {"NS_en", DspSet(5, 256)},
         {"UL_DC_RM", DspSet(4, 512)},     {"DL_DC_RM", DspChipMask(3, 2)},
         {"UL_limiter", DspSet(4, 2048)},  {"UL_expander", DspSet(4, 8192)},
         {"sidetone", DspSet(2, 256)},     {"SelES", DspSet(5, 1024)},
         {"Peak_limiter", DspSet(3, 4096)}, {"Voice_comp", DspSet(3, 2048)},
         {"Noise_gate", DspSet(9, 16)},    {"DL_NS_en", DspSet(9, 64)},
         {"UL_Noise_gate", DspSet(9, 128)}});
    auto adc = []() -> std::optional<int32_t> { return !(Codec(7) & 4) && !(Codec(14) & 1); };
    auto dac = []() -> std::optional<int32_t> { return (Codec(1) & 0x200) && !(Codec(14) & 8); };
    add(CodecConfMemo(),
        {{"ADC_active", adc}, {"DAC_active", dac}, {"PCM_IN_active", CodecSet(14, 0)},
         {"PCM_OUT_active", CodecSet(14, 3)}, {"Sidetone_active", CodecSet(1, 8)},
         {"Aux_In_active", CodecSet(0, 0)}, {"UpLink_Out_active", CodecClear(7, 3)},
         {"DownLink_Out_active", CodecClear(0, 10)}, {"Metallic_filter", CodecSet(5, 0)}});
    add(CodecInputMemo(),
        {{"Stage_1", CodecBits(9, 0, 2)}, {"PGA", CodecBits(9, 2, 4)},
         {"Input_sel", CodecSet(7, 7)}, {"Mike_bias", CodecClear(7, 0)},
         {"Mute", CodecSet(8, 0)}, {"Mike_gnd", MikeGround}});
    add(CodecOutputMemo(),
        {{"Gain", CodecBits(2, 0, 4)}, {"VCM_driver", CodecClear(0, 9)},
         {"Output_sel", OutputSelection}, {"Output_mode", CodecClear(7, 10)},
         {"Mute", CodecSet(1, 0)}});
    add(CodecMiscMemo(),
        {{"Sidetone_gain", CodecWord(3)}, {"Aux_in_mode", CodecClear(0, 12)},
         {"Ul_out_mix", CodecSet(7, 1)}, {"Ul_out_source_vs_PGA", CodecSet(7, 8)}});
    add(PcmPortMemo(),
        {{"CLK_master", CodecSet(10, 8)}, {"SYNC_master", CodecSet(10, 9)},
         {"MSB_first", CodecSet(10, 5)}, {"Word_length", CodecSet(10, 4)},
         {"CLK_edge", CodecSet(10, 3)}, {"CLK_freq", CodecWord(11)},
         {"SYNC_freq", CodecWord(12)}});
    add(GlobalPathMemo(), Params({{"UL_DC_rm_F", 4}, {"DL_DC_rm_F", 5}, {"DL_volume", 3},
                                  {"DL_noise_fact", 8}, {"UL_gain", 9}, {"DL_gain", 10},
                                  {"DSP_ST_gain", 21}, {"DSP_ST_lag", 20}}));
    add(DelayMemo(), Params({{"PCM_in_delay", 6}, {"PCM_out_delay", 7}}));
    const Sources gate = ParamWords(112, {{"NoiseGate_att", 2}, {"NoiseGate_GDecay", 1},
                                          {"NoiseGate_GRising", 0}, {"NoiseGate_FTR", 3},
                                          {"NoiseGate_FTD", 4}, {"NoiseGate_STR", 5},
                                          {"NoiseGate_STD", 6}, {"NoiseGate_THR", 7},
                                          {"NoiseGate_SoftRel", 8}});
    auto control = [](int32_t bits) -> Source {
      return [bits]() -> std::optional<int32_t> {
        return (Peek(ChipConstants().Address(2)) & bits) != 0;
      };
    };
    add(AgcParMemo(),
        Join(Join(Join(Params({{"DlHarmLevel", 149}}),
                       ParamWords(23, {{"PeakComp_limit", 0}, {"PeakComp_window", 1},
                                       {"PeakComp_gain", 2}})),
                  ParamWords(24, {{"VoiceComp_GateThr", 3}, {"VoiceComp_CompThr", 2},
                                  {"VoiceComp_LimThr", 1}, {"VoiceComp_PostGain", 0},
                                  {"VoiceComp_Ratio", 4}})),
             Join({{"PeakComp_enable", control(0x22)}, {"NoiseGate_enable", control(0x44)}},
                  gate)));
    add(UlAgcParMemo(),
        Params({{"Lim_thr", 11}, {"Lim_release", 12}, {"Exp_attack", 13}, {"Exp_release", 14},
                {"LvbGain", 151}, {"UlHarmLevel", 150}, {"NoiseGate_att", 128},
                {"NoiseGate_GDecay", 127}, {"NoiseGate_GRising", 126}, {"NoiseGate_FTR", 129},
                {"NoiseGate_FTD", 130}, {"NoiseGate_STR", 131}, {"NoiseGate_STD", 132},
                {"NoiseGate_THR", 133}, {"NoiseGate_SoftRel", 134},
                {"NoiseGate_GRising_DLVD", 135}, {"NoiseGate_GDecay_DLVD", 136},
                {"NoiseGate_att_DLVD", 137}, {"NoiseGate_THR_DLVD", 138},
                {"NoiseGate_NoiseFill_Tau", 140}, {"NoiseGate_NoiseFill_Lvl", 139}}));
    auto enhancer = []() -> std::optional<int32_t> {
      ShellQuery(PeekLine(kEnhancerPeekAddress));
      return ReadParam(106, 0);
    };
    add(MusicTrtMemo(),
        Join({{"ClearLiftEnable", DspSet(7, 0x100)}, {"EnhancerFB1", enhancer}},
             Join(Params({{"DlHarmLevel", 149}, {"ClearLiftThr", 101}, {"ClearLiftAmountH", 102},
                          {"ClearLiftAmountL", 103}, {"ClearLiftLimit", 104},
                          {"ClearLiftCycle", 105}, {"EnhancerFF1", 107}, {"EnhancerFB2", 108},
                          {"EnhancerDrive", 109}, {"EnhancerWet", 110}, {"EnhancerDry", 111}}),
                  ParamWords(123, {{"MidiMix1", 0}, {"MidiMix2", 1}}))));
    // The extra keys of the lists.
    add(MemoSection{"DL_FIR", DlFirMemo().extras}, {{"Length", DlFirLength}});
    add(MemoSection{"EC", EcMemo().extras},
        Params({{"EcIccSpeed", 146}, {"EcIccTimeOut", 147}, {"EcIccThr", 148}}));
    auto selEsOn = []() -> std::optional<int32_t> { return Peek(15052 + 1) != 0x8000; };
    add(MemoSection{"SEL_ES", SelEsMemo().extras},
        Join({{"SelESEN", selEsOn}},
             Params({{"DynSelEsG1", 141}, {"DynSelEsG2", 142}, {"DynSelEsOffset", 143},
                     {"DynSelEsTauR", 144}, {"DynSelEsTauD", 145}})));
    return m;
  }();
  return sections.at(name);
}

// A list section: rows in list order, each row's word through ToSigned16.
struct ListSource {
  const ListMemo* memo;
  // (parameter id, offset) of row k (from 0); id < 0: no more rows.
  std::function<std::pair<int, int>(size_t row, const FrameState& state)> word;
};

std::pair<int, int> Plain(int id, int words, size_t row) {
  return {int(row) < words ? id : -1, int(row)};
}

const std::map<std::string, ListSource>& Lists() {
  auto plain = [](const ParamList& l) {
    return [id = l.paramId, n = l.words](size_t row, const FrameState&) {
      return Plain(id, n, row);
    };
  };
  static const std::map<std::string, ListSource> lists = {
      {"DL_FIR", {&DlFirMemo(), plain(DlFirList())}},
      {"UL_FIR", {&UlFirMemo(), plain(UlFirList())}},
      {"DL_IIR", {&DlIirMemo(), plain(DlIirList())}},
      {"UL_IIR", {&UlIirMemo(), plain(UlIirList())}},
      {"ES", {&EsMemo(), plain(EsList())}},
      {"NS", {&NsMemo(), plain(UlNsList())}},
      {"DL_NS", {&DlNsMemo(), plain(DlNsList())}},
      {"EC",
       {&EcMemo(),
        [](size_t row, const FrameState& s) -> std::pair<int, int> {
          if (row < 39) return {16, int(row)};
          if (s.hasExtendedEcParams && row < 41) return {125, int(row - 39)};
          return {-1, 0};
        }}},
      {"SEL_ES",  // bins in 121, gains in 122, point by point
       {&SelEsMemo(), [](size_t row, const FrameState&) -> std::pair<int, int> {
          if (row >= 8) return {-1, 0};
          return {row % 2 ? 122 : 121, int(row / 2)};
        }}}};
  return lists;
}

// Without the parameter API the curve lives only as its 64-word gain table:
// each bin's gain is the ratio of its word to the one before (Q12, the
// smallest gain that gives the word), and a point ends each run of equal
// gains. Rows: bin, gain of points 1 to 4 (0 after the last).
std::vector<int32_t> CurveRowsFromTable() {
  const int32_t base = ChipType() == 3 ? 6072 : 15052;
  int64_t before = Peek(base) & 0xFFFF;
  std::vector<int32_t> rows;
  int32_t runGain = -1;
  for (int32_t b = 1; b < 64; ++b) {
    const int64_t word = Peek(base + b) & 0xFFFF;
    const int32_t gain = before ? int32_t((word * 4096 + before - 1) / before) : runGain;
    if (runGain >= 0 && gain != runGain && rows.size() < 6) {
      rows.push_back(b - 1);
      rows.push_back(runGain);
    }
    runGain = gain;
    before = word;
  }
  rows.push_back(63);
  rows.push_back(runGain);
  rows.resize(8, 0);
  return rows;
}

}  // namespace

std::vector<std::string> ReadBackOrder(int chipType) {
  std::vector<std::string> names = {"DSP_CONF", "CODEC_CONF", "CODEC_INPUT", "CODEC_OUTPUT",
                                    "CODEC_MISC", "GLOBAL_PATH", "EC", "ES", "SEL_ES", "NS",
                                    "DL_NS", "DL_FIR", "DL_IIR", "UL_FIR", "UL_IIR", "AGC_PAR",
                                    "UL_AGC_PAR", "DELAY", "PCM_PORT"};
  if (chipType == 3) names.push_back("MUSIC_TRT");
  return names;
}

bool ReadSection(const std::string& name, const ControlView& controls, const FrameState& state,
                 KeyLines& lines) {
  codecWords.clear();
  dspWords.clear();
  lines.clear();
  const auto list = Lists().find(name);
  if (list == Lists().end()) {
    if (name == "MUSIC_TRT" && state.chipType != 3) return false;
    lines = KeyLinesFromHandset(Sourced(name), controls, state);
    if (name == "CODEC_OUTPUT") {
      // Read back with the driver before the output field.
      auto vcm = std::find_if(lines.begin(), lines.end(),
                              [](const auto& l) { return l.first == "VCM_driver"; });
      if (vcm != lines.end() && vcm != lines.begin()) std::rotate(lines.begin() + 1, vcm, vcm + 1);
    }
    return true;
  }
  const ListMemo& m = *list->second.memo;
  if (!m.shownControl.empty() && !controls.Shown(m.shownControl)) return false;
  const RowList rows = controls.ListRows(ListOf(m, state.chipType));
  if (name == "SEL_ES" && !ApiFlag1()) {
    const std::vector<int32_t> curve = CurveRowsFromTable();
    for (size_t r = 0; r < rows.size() && r < curve.size(); ++r)
      lines.emplace_back(rows[r].first, std::to_string(curve[r]));
  } else {
    for (size_t r = 0; r < rows.size(); ++r) {
      const auto [id, offset] = list->second.word(r, state);
      if (id < 0) break;
      lines.emplace_back(rows[r].first,
                         std::to_string(ToSigned16(ReadParam(uint8_t(id), offset))));
    }
  }
  if (!m.extras.empty()) {
    const KeyLines extras = KeyLinesFromHandset(Sourced(name), controls, state);
    lines.insert(lines.end(), extras.begin(), extras.end());
  }
  return true;
}

ReadBackEnd ReadBackToMemo(const std::vector<std::string>& names, const ControlView& controls,
                           const FrameState& state, MemoConfig& memo,
                           const std::function<void(const std::string&)>& progress) {
  LinkBatch batch("Reading the handset settings");
  for (const std::string& name : names) {
    if (!LinkUp(Link())) return ReadBackEnd::LinkDown;
    if (progress) progress(name);
    KeyLines lines;
    bool applies;
    {
      LinkHold hold;
      applies = ReadSection(name, controls, state, lines);
    }
    if (LinkBatchFailed() || !LinkUp(Link())) return ReadBackEnd::LinkDown;
    if (applies) WriteSection(memo, name, lines);
  }
  return ReadBackEnd::Done;
}

}  // namespace vt::editors
