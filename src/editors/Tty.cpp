#include "editors/Tty.h"

namespace vt::editors {

namespace {
Section TtySection(const char* box, const char* enable, const char* ctm, int item, bool chip1Only) {
  Section s;
  s.checkBox = box;
  s.members = {enable, ctm};
  const HandsetObject o{HandsetObject::DspControl, item};
  Rebuild rebuild = [=](int32_t r, const SectionContext& c) {
    const bool bits = !chip1Only || c.chipType != 3;
    const int32_t en = bits ? 0x0100 : 0, cm = bits ? 0x8000 : 0;
    return (r & (0xFF00 - en - cm)) + 0x00A0 + (c.Checked(enable) ? en : 0) +
           (c.Checked(ctm) ? cm : 0);
  };
  s.steps = {{{{o, rebuild}}, {o}, {o}}};
  return s;
}
}  // namespace

const std::vector<Section>& TtySections() {
  static const std::vector<Section> sections = {
      TtySection("CheckBox50", "CheckBox51", "CheckBox52", 3, true),
      TtySection("CheckBox53", "CheckBox54", "CheckBox55", 4, false),
  };
  return sections;
}

}  // namespace vt::editors
