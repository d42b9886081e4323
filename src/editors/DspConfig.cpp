#include "editors/DspConfig.h"

namespace vt::editors {

namespace {

// How a block's word keeps its low byte.
enum class Low {
  Keep,  // bits outside the block's own are kept
  A0,    // DSP items 3 and 4: the low byte is always written as 0xA0
  Bit0,  // DSP item 5 echo blocks: bit 0 always set
};

struct Bit {
  const char* control;
  int32_t chip1, chip3;
};

// One row per section: its check box, its DSP item, the low-byte rule and
// the bits its controls switch (the "Enabled" box first).
struct DspSwitch {
  const char* box;
  int item;
  Low low;
  std::vector<Bit> bits;
  bool commitOnMemberChange = false;
};

const std::vector<DspSwitch>& Switches() {
  static const std::vector<DspSwitch> rows = {
      // "DL FIR" (CheckBox4) carries the FIR length too: see below.
      {"CheckBox76", 3, Low::A0, {{"CheckBox77", 0x0400, 0x0200}}},    // DL IIR
      {"CheckBox29", 3, Low::A0, {{"CheckBox30", 0x0200, 0x0100}}},    // DL DC removal
      {"CheckBox11", 4, Low::A0, {{"CheckBox12", 0x1000, 0x1000}}},    // UL FIR
      {"CheckBox16", 4, Low::A0, {{"CheckBox17", 0x0400, 0x0400}}},    // UL IIR
      {"CheckBox27", 4, Low::A0, {{"CheckBox28", 0x0200, 0x0200}}},    // UL DC removal
      {"CheckBox7", 5, Low::Bit0,                                      // Echo Canceller
       {{"CheckBox8", 0x0040, 0x0040}, {"CheckBox78", 0x0008, 0x0008}, {"CheckBox79", 0x0010, 0x0010}},
       true},
      {"CheckBox21", 5, Low::Bit0, {{"CheckBox22", 0x0002, 0x0002}}, true},  // Echo Supp UL
      {"CheckBox23", 5, Low::Bit0, {{"CheckBox24", 0x0004, 0x0004}}, true},  // Echo Supp DL
      {"CheckBox100", 5, Low::Bit0, {{"CheckBox101", 0x0400, 0x0400}}, true},  // Selective ES
      {"CheckBox36", 4, Low::A0, {{"CheckBox37", 0x0800, 0x0800}}},    // UL limiter
      {"CheckBox42", 4, Low::A0, {{"CheckBox43", 0x2000, 0x2000}}, true},  // Low Voice Booster
      {"CheckBox116", 9, Low::Keep, {{"CheckBox117", 0x0780, 0x0780}}},   // UL Noise Gate
      {"CheckBox25", 5, Low::Keep, {{"CheckBox26", 0x0100, 0x0100}}},  // UL Noise Supp
      {"CheckBox109", 9, Low::Keep, {{"CheckBox110", 0x0042, 0x0042}}},  // DL Noise Supp
      {"CheckBox81", 2, Low::Keep, {{"CheckBox80", 0x0100, 0x0100}}},  // DSP sidetone
      {"CheckBox103", 3, Low::A0, {{"CheckBox105", 0x1000, 0x1000}}},  // Peak limiter
      {"CheckBox104", 3, Low::A0, {{"CheckBox102", 0x0800, 0x0800}}},  // Voice compressor
      {"CheckBox106", 9, Low::Keep, {{"CheckBox107", 0x0011, 0x0011}}},  // DL Noise Gate
  };
  return rows;
}

int32_t BitOf(const Bit& b, int chipType) { return chipType == 3 ? b.chip3 : b.chip1; }

Section MakeSection(const DspSwitch& s) {
  Section section;
  section.checkBox = s.box;
  for (const Bit& b : s.bits) section.members.emplace_back(b.control);
  const HandsetObject item{HandsetObject::DspControl, s.item};
  Rebuild rebuild = [s](int32_t read, const SectionContext& ctx) {
    int32_t mask = 0, set = 0;
    for (const Bit& b : s.bits) {
      mask |= BitOf(b, ctx.chipType);
      if (ctx.Checked(b.control)) set |= BitOf(b, ctx.chipType);
    }
    switch (s.low) {
      case Low::A0: return (read & (0xFF00 - mask)) + 0x00A0 + set;
      case Low::Bit0: return (read & (0xFFFE - mask)) + 1 + set;
      case Low::Keep: break;
    }
    return (read & (0xFFFF - mask)) + set;
  };
  section.steps = {{{{item, rebuild}}, {item}, {item}}};
  section.commitOnMemberChange = s.commitOnMemberChange;
  return section;
}

Section DlFirSection() {
  Section section;
  section.checkBox = "CheckBox4";
  section.members = {"CheckBox5"};
  const HandsetObject item{HandsetObject::DspControl, 3};
  Rebuild rebuild = [](int32_t read, const SectionContext& ctx) {
    const bool chip3 = ctx.chipType == 3;
    const int32_t firBit = chip3 ? 0x0400 : 0x1000;
    const int32_t kept = chip3 ? read & 0x1F00 : read & (0xFF00 - 0x0800);
    return (kept & ~firBit) + DlFirLengthBits(ctx) + (ctx.Checked("CheckBox5") ? firBit : 0) +
           0x00A0;
  };
  section.steps = {{{{item, rebuild}}, {item}, {item}}};
  return section;
}

}  // namespace

int32_t DlFirLengthBits(const SectionContext& ctx) {
  if (ctx.chipType != 3) return ctx.Checked("RadioButton18") ? 0 : 0x0800;
  if (ctx.Checked("RadioButton19")) return 0xA000;  // "47 sym"
  if (ctx.Checked("RadioButton20")) return 0x2000;  // "48 sym"
  if (ctx.Checked("RadioButton31")) return 0xC000;  // "63 sym"
  if (ctx.Checked("RadioButton32")) return 0x4000;  // "64 sym"
  return 0;                                         // "32"
}

const std::vector<Section>& DspConfigSections() {
  static const std::vector<Section> sections = [] {
    std::vector<Section> all{DlFirSection()};
    for (const DspSwitch& s : Switches()) all.push_back(MakeSection(s));
    return all;
  }();
  return sections;
}

const MemoSection& DspConfMemo() {
  static const MemoSection section{
      "DSP_CONF",
      {BoolKey("DL_FIR_en", "CheckBox5"), BoolKey("DL_IIR_en", "CheckBox77"),
       BoolKey("UL_FIR_en", "CheckBox12"), BoolKey("UL_IIR_en", "CheckBox17"),
       BoolKey("EC_en", "CheckBox8"), BoolKey("EC_clip", "CheckBox78"),
       BoolKey("EC_noise", "CheckBox79"), BoolKey("ES_UL_en", "CheckBox22"),
       BoolKey("ES_DL_en", "CheckBox24"), BoolKey("NS_en", "CheckBox26"),
       BoolKey("UL_DC_RM", "CheckBox28"), BoolKey("DL_DC_RM", "CheckBox30"),
       BoolKey("UL_limiter", "CheckBox37"), BoolKey("UL_expander", "CheckBox43"),
       BoolKey("sidetone", "CheckBox80"), BoolKey("SelES", "CheckBox101").Chip(3),
       BoolKey("Peak_limiter", "CheckBox105").Chip(3), BoolKey("Voice_comp", "CheckBox102").Chip(3),
       BoolKey("Noise_gate", "CheckBox107").Chip(3), BoolKey("DL_NS_en", "CheckBox110").Chip(3),
       BoolKey("UL_Noise_gate", "CheckBox117").Chip(3).IfShown("CheckBox116")}};
  return section;
}

}  // namespace vt::editors
