#include "editors/Catalogue.h"

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
#include "editors/PcmPort.h"
#include "editors/SelectiveEs.h"
#include "editors/UlDyn.h"

namespace vt::editors {

const std::vector<CatalogueEntry>& FrameCatalogue() {
  static const std::vector<CatalogueEntry> entries = {
      {nullptr, &DlFirMemo()},       {nullptr, &DlIirMemo()},     {nullptr, &UlFirMemo()},
      {nullptr, &UlIirMemo()},       {nullptr, &EcMemo()},        {nullptr, &EsMemo()},
      {nullptr, &SelEsMemo()},       {nullptr, &NsMemo()},        {nullptr, &DlNsMemo()},
      {&CodecConfMemo(), nullptr},   {&CodecInputMemo(), nullptr}, {&CodecOutputMemo(), nullptr},
      {&CodecMiscMemo(), nullptr},   {&DspConfMemo(), nullptr},   {&GlobalPathMemo(), nullptr},
      {&AgcParMemo(), nullptr},      {&UlAgcParMemo(), nullptr},  {&DelayMemo(), nullptr},
      {&PcmPortMemo(), nullptr},     {&MusicTrtMemo(), nullptr, 3}};
  return entries;
}

const MemoSection& MuxMemo() {
  static const MemoSection section = [] {
    MemoSection s{"MUX", {}};
    const std::vector<std::pair<const char*, const char*>> any = {
        {"CC_audio_path", "CheckBox63"},    {"CI_gain", "CheckBox3"},
        {"CI_input_sel", "CheckBox46"},     {"CI_mike_bias", "CheckBox56"},
        {"CI_mute", "CheckBox59"},          {"CO_gain", "CheckBox2"},
        {"CO_output_sel", "CheckBox57"},    {"CO_output_mode", "CheckBox58"},
        {"CO_mute", "CheckBox61"},          {"CM_sidetone", "CheckBox69"},
        {"CM_auxin", "CheckBox70"},         {"CM_ulout", "CheckBox71"},
        {"EC_par", "CheckBox18"},           {"ES_par", "CheckBox19"},
        {"NS_par", "CheckBox20"},           {"FI_DL_FIR", "CheckBox9"},
        {"FI_DL_IIR", "CheckBox83"},        {"FI_UL_FIR", "CheckBox10"},
        {"FI_UL_IIR", "CheckBox15"},        {"GP_UL_DC_RM_F", "CheckBox31"},
        {"GP_DL_DC_RM_F", "CheckBox32"},    {"GP_DL_volume", "CheckBox6"},
        {"GP_ST_gain", "CheckBox74"},       {"GP_ST_lag", "CheckBox82"},
        {"GP_DL_noise_fact", "CheckBox33"}, {"GP_UL_gain", "CheckBox34"},
        {"GP_DL_gain", "CheckBox35"},       {"AGC_lim_rel", "CheckBox39"},
        {"AGC_low_voice_booster", "CheckBox38"}, {"AGC_peak_comp", "CheckBox91"},
        {"AGC_noise_gate", "CheckBox94"},   {"DEL_pcm_in", "CheckBox44"},
        {"DEL_pcm_out", "CheckBox45"},      {"DC_DL_FIR", "CheckBox4"},
        {"DC_DL_IIR", "CheckBox76"},        {"DC_UL_FIR", "CheckBox11"},
        {"DC_UL_IIR", "CheckBox16"},        {"DC_EC", "CheckBox7"},
        {"DC_ES_UL", "CheckBox21"},         {"DC_ES_DL", "CheckBox23"},
        {"DC_NS", "CheckBox25"},            {"DC_UL_DC_RM", "CheckBox27"},
        {"DC_DL_DC_RM", "CheckBox29"},      {"DC_UL_AGC", "CheckBox36"},
        {"DC_UL_EXP", "CheckBox42"},        {"DC_sidetone", "CheckBox81"},
        {"PCM_config", "CheckBox87"}};
    for (const auto& [key, box] : any) s.keys.push_back(BoolKey(key, box));
    auto chip3 = [&s](const char* key, const char* box) {
      s.keys.push_back(BoolKey(key, box).Chip(3));
    };
    chip3("AGC_voice_comp", "CheckBox108");
    chip3("music_clear_lift", "CheckBox111");
    chip3("music_enhancer", "CheckBox113");
    chip3("music_mixer", "CheckBox114");
    s.keys.push_back(BoolKey("DL_NS_par", "CheckBox13").IfShown("GroupBox43"));
    chip3("SELES_PAR", "CheckBox96");
    chip3("DC_Sel_ES", "CheckBox100");
    chip3("DC_peak_lim", "CheckBox103");
    chip3("DC_voice_comp", "CheckBox104");
    chip3("DC_noise_gate", "CheckBox106");
    chip3("DC_DL_NS", "CheckBox109");
    s.keys.push_back(BoolKey("DC_UL_noise_gate", "CheckBox116").IfShown("CheckBox116"));
    s.keys.push_back(BoolKey("AGC_UL_noise_gate", "CheckBox118").IfShown("CheckBox118"));
    for (const auto& [key, box] : {std::pair{"AGC_DlHarm", "CheckBox41"}, {"AGC_UlHarm", "CheckBox40"}})
      s.keys.push_back(BoolKey(key, box).If(FirmwareFlag::VoiceBoosterAndHarmonizers));
    return s;
  }();
  return section;
}

namespace {
bool Applies(const CatalogueEntry& e, const FrameState& state) {
  return e.chip == 0 || e.chip == state.chipType;
}
}  // namespace

void SendAllToMemo(const ControlView& controls, const FrameState& state, MemoConfig& memo) {
  for (const CatalogueEntry& e : FrameCatalogue()) {
    if (!Applies(e, state)) continue;
    if (e.section) SendSectionToMemo(*e.section, controls, state, memo);
    else SendListToMemo(*e.list, controls, state, memo);
  }
}

void GetAllFromMemo(MemoConfig& memo, ControlView& controls, const FrameState& state) {
  for (const CatalogueEntry& e : FrameCatalogue()) {
    if (!Applies(e, state)) continue;
    if (e.section) GetSectionFromMemo(*e.section, memo, controls);
    else GetListFromMemo(*e.list, memo, controls, state);
  }
}

const std::vector<std::string>& SendsAfterGetAll() {
  // DL FIR "Send to target"; UL FIR and UL IIR "Send to target"; uplink
  // noise suppressor "update"; echo suppressor "update"; echo canceller
  // "Send to target".
  static const std::vector<std::string> buttons = {"Button3", "Button4", "Button1",
                                                   "Button7", "Button6", "Button5"};
  return buttons;
}

}  // namespace vt::editors
