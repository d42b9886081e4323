#include "editors/CodecSteps.h"

#include "handset/Handset.h"

namespace vt::editors {

Section CodecSection(std::string box, std::vector<std::string> members, int item, Rebuild rebuild) {
  Section s;
  s.checkBox = std::move(box);
  s.members = std::move(members);
  s.steps = {{{{CodecItem(item), std::move(rebuild)}}, {CodecItem(item)}, {CodecItem(item)}}};
  return s;
}

Section CodecGainSection(std::string box, std::vector<std::string> bars, int item,
                         std::function<int32_t(const SectionContext&)> value) {
  Section s;
  s.checkBox = std::move(box);
  s.members = std::move(bars);
  Rebuild rebuild = [value](int32_t, const SectionContext& ctx) { return value(ctx); };
  s.steps = {{{{CodecItem(item), rebuild, false}}, {CodecItem(item)}, {CodecItem(item)}}};
  return s;
}

std::string GainFlagPokeLine(int chipType) {
  const int32_t base = chipType == 3 ? 29056 : 29568;
  return "bbl poke " + std::to_string(base + 52) + " 0x00000002\r\n";
}

void CodecGainClicked(const Section& section, const ControlView& controls) {
  if (controls.Checked(section.checkBox)) ShellSend(GainFlagPokeLine(ChipType()));
  SectionClicked(section, controls);
}

}  // namespace vt::editors
