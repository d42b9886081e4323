#include "editors/CodecConfig.h"

#include <utility>

#include "handset/Handset.h"

namespace vt::editors {

namespace {

constexpr const char* kAudioPath = "CheckBox63";
constexpr const char* kDac = "CheckBox64";
constexpr const char* kSidetone = "CheckBox65";
constexpr const char* kAuxIn = "CheckBox66";
constexpr const char* kUplinkOut = "CheckBox67";
constexpr const char* kDownlinkOut = "CheckBox68";
constexpr const char* kAdc = "CheckBox75";
constexpr const char* kPcmIn = "CheckBox88";
constexpr const char* kPcmOut = "CheckBox89";
constexpr const char* kMetallic = "CheckBox115";
constexpr int kMetallicItem = 5;

void WriteItem(int item, int32_t value, bool takeOverride) {
  WriteCodecItem(uint8_t(item), value);
  if (takeOverride) SetCodecOverride(uint8_t(item), true);
  ApplyCodec(uint8_t(item));
}

// Codec items 1, 0 and 7 from the path boxes.
void PathWords(const ControlView& c, bool takeOverrides) {
  const bool sidetone = c.Checked(kSidetone), dac = c.Checked(kDac), aux = c.Checked(kAuxIn);
  const bool dlOut = c.Checked(kDownlinkOut);
  int32_t v = ReadCodecItem(1);
  v = sidetone || dac ? (v & 0xFCF3) | 0x0008 : (v & 0xFCF7) | 0x0004;
  if (sidetone) v |= 0x0100;
  if (dac) v |= 0x0200;
  WriteItem(1, v, takeOverrides);

  v = (ReadCodecItem(0) & 0xFFFE) | 0x0C04;
  if (sidetone || dac || aux || dlOut) v &= 0xF7FF;
  if (dlOut) v &= 0xFBFF;
  if (aux) v = (v & 0xFFFB) | 0x0001;
  WriteItem(0, v, takeOverrides);

  v = ReadCodecItem(7) | 0x004C;
  if (sidetone || c.Checked(kAdc)) v &= 0xFFBB;
  if (c.Checked(kUplinkOut)) v &= 0xFFF7;
  WriteItem(7, v, takeOverrides);
}

// Runs `writes` with DSP item 1 switched off (its word 0) around them.
template <class F>
void WithDspItem1Cleared(F writes) {
  const int32_t saved = ReadDspItem(1);
  SetDspOverride(1, true);
  WriteDspItem(1, 0);
  ApplyDsp(1);
  writes();
  WriteDspItem(1, saved);
  ApplyDsp(1);
  SetDspOverride(1, false);
}

void PcmRouting(const ControlView& c, bool takeOverrides) {
  const bool in = c.Checked(kPcmIn), out = c.Checked(kPcmOut);
  WithDspItem1Cleared([&] {
    WriteItem(13, (in ? 3 : 0) + (out ? 0x30 : 0), takeOverrides);
    WriteItem(14, (ReadCodecItem(14) & ~0x0011) + (in ? 1 : 0) + (out ? 0x10 : 0), takeOverrides);
  });
}

}  // namespace

const std::vector<std::string>& PathBoxes() {
  static const std::vector<std::string> boxes = {kDac,       kAdc,         kSidetone,
                                                 kAuxIn,     kUplinkOut,   kDownlinkOut,
                                                 kPcmIn,     kPcmOut};
  return boxes;
}

void AudioPathClicked(const ControlView& controls) {
  if (!controls.Checked(kAudioPath)) {
    for (int item : {1, 0, 7, 13, 14}) SetCodecOverride(uint8_t(item), false);
    // The metallic noise filter's share goes with the path it belongs to.
    if (UseCount(UseTable::Codec, kMetallicItem) > 0) SetCodecOverride(kMetallicItem, false);
    return;
  }
  {
    LinkHold hold;
    PathWords(controls, true);
    PcmRouting(controls, true);
  }
  MetallicFilterClicked(controls);
}

void PathBoxClicked(const std::string& box, ControlView& controls) {
  static const std::pair<const char*, const char*> kExcludes[] = {
      {kAdc, kPcmIn}, {kDac, kPcmOut}, {kPcmIn, kAdc}, {kPcmOut, kDac}};
  bool routing = false;
  for (const auto& [clicked, excluded] : kExcludes) {
    if (box != clicked) continue;
    routing = true;
    if (controls.Checked(box) && controls.Checked(excluded)) controls.SetChecked(excluded, false);
  }
  if (!controls.Checked(kAudioPath)) return;
  LinkHold hold;
  PathWords(controls, false);
  if (routing) PcmRouting(controls, false);
}

void MetallicFilterClicked(const ControlView& controls) {
  if (!controls.Checked(kAudioPath)) return;
  LinkHold hold;
  WithDspItem1Cleared([&] {
    const int32_t v = (ReadCodecItem(kMetallicItem) & ~1) | (controls.Checked(kMetallic) ? 1 : 0);
    // One share of item 5 at most: the path's uncheck releases it.
    WriteItem(kMetallicItem, v, UseCount(UseTable::Codec, kMetallicItem) == 0);
  });
}

const MemoSection& CodecConfMemo() {
  static const MemoSection section{
      "CODEC_CONF",
      {BoolKey("ADC_active", kAdc), BoolKey("DAC_active", kDac), BoolKey("PCM_IN_active", kPcmIn),
       BoolKey("PCM_OUT_active", kPcmOut), BoolKey("Sidetone_active", kSidetone),
       BoolKey("Aux_In_active", kAuxIn), BoolKey("UpLink_Out_active", kUplinkOut),
       BoolKey("DownLink_Out_active", kDownlinkOut),
       BoolKey("Metallic_filter", kMetallic).Chip(3)}};
  return section;
}

}  // namespace vt::editors
