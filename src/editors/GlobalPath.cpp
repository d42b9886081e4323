#include "editors/GlobalPath.h"

#include <cmath>
#include <numbers>

#include "common/Numbers.h"

namespace vt::editors {

Section ParamSection(std::string box, std::string bar, int id, int scale) {
  Section s;
  s.checkBox = std::move(box);
  s.members = {bar};
  const HandsetObject o{HandsetObject::Param, id, 0};
  Rebuild rebuild = [bar, scale](int32_t, const SectionContext& c) {
    return int32_t(c.Position(bar) * scale);
  };
  s.steps = {{{{o, rebuild, false}}, {o}, {o}}};  // applying a parameter commits
  return s;
}

std::string DecibelText(int p, int reference) {
  const long double v = 20.0L * std::log10(static_cast<long double>(p) / reference);
  return FloatToStr(static_cast<long double>(Trunc(v * 100)) * 0.01L);
}

std::string DcCornerText(int p) {
  const long double x = static_cast<long double>(p) / 32768;
  const long double f = (1 / x - 1) * 8000 / (2 * std::numbers::pi_v<long double>);
  return FloatToStr(static_cast<long double>(Trunc(f * 100)) * 0.01L);
}

std::string EighthsText(int p) { return FloatToStr(p * 0.125L); }

const std::vector<Section>& GlobalPathSections() {
  static const std::vector<Section> sections = {
      ParamSection("CheckBox6", "ScrollBar12", 3),   ParamSection("CheckBox31", "ScrollBar14", 4),
      ParamSection("CheckBox32", "ScrollBar15", 5),  ParamSection("CheckBox33", "ScrollBar16", 8),
      ParamSection("CheckBox34", "ScrollBar17", 9),  ParamSection("CheckBox35", "ScrollBar18", 10),
      ParamSection("CheckBox74", "ScrollBar27", 21), ParamSection("CheckBox82", "ScrollBar26", 20),
  };
  return sections;
}

const std::vector<LabelRule>& GlobalPathLabels() {
  auto db = [](const char* bar, int reference, const char* unit) {
    return [=](const ControlView& c) { return DecibelText(c.Position(bar), reference) + unit; };
  };
  auto corner = [](const char* bar) {
    return [=](const ControlView& c) { return DcCornerText(c.Position(bar)) + " Hz"; };
  };
  static const std::vector<LabelRule> rules = {
      {"Label27", {"ScrollBar12"}, db("ScrollBar12", 32767, "dB")},
      {"Label30", {"ScrollBar14"}, corner("ScrollBar14")},
      {"Label31", {"ScrollBar15"}, corner("ScrollBar15")},
      {"Label32", {"ScrollBar16"},
       [](const ControlView& c) { return std::to_string(c.Position("ScrollBar16")); }},
      {"Label33", {"ScrollBar17"}, db("ScrollBar17", 4096, " dB")},
      {"Label34", {"ScrollBar18"}, db("ScrollBar18", 4096, " dB")},
      {"Label44", {"ScrollBar27"},
       [](const ControlView& c) {
         const int p = c.Position("ScrollBar27");
         return p == 0 ? std::string("-inf dB") : DecibelText(p, 32768) + " dB";
       }},
      {"Label46", {"ScrollBar26"},
       [](const ControlView& c) { return EighthsText(c.Position("ScrollBar26")) + " ms"; }},
  };
  return rules;
}

const MemoSection& GlobalPathMemo() {
  static const MemoSection section{
      "GLOBAL_PATH",
      {IntKey("DL_volume", "ScrollBar12"), IntKey("UL_DC_rm_F", "ScrollBar14"),
       IntKey("DL_DC_rm_F", "ScrollBar15"), IntKey("DL_noise_fact", "ScrollBar16"),
       IntKey("UL_gain", "ScrollBar17"), IntKey("DL_gain", "ScrollBar18"),
       IntKey("DSP_ST_gain", "ScrollBar27"), IntKey("DSP_ST_lag", "ScrollBar26")}};
  return section;
}

}  // namespace vt::editors
