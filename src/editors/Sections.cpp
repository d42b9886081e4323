#include "editors/Sections.h"

#include "handset/Handset.h"

namespace vt::editors {

std::vector<HandsetObject> Section::Releases() const {
  if (!releases.empty()) return releases;
  std::vector<HandsetObject> all;
  for (const SectionStep& step : steps) all.insert(all.end(), step.holds.begin(), step.holds.end());
  return all;
}

int32_t ReadObject(const HandsetObject& o) {
  switch (o.kind) {
    case HandsetObject::Codec: return ReadCodecItem(uint8_t(o.index));
    case HandsetObject::DspControl: return ReadDspItemInForce(uint8_t(o.index));
    case HandsetObject::DspCurrent: return ReadDspItem(uint8_t(o.index));
    case HandsetObject::Param: return ReadParam(uint8_t(o.index), o.word);
  }
  return 0;
}

void WriteObject(const HandsetObject& o, int32_t value) {
  switch (o.kind) {
    case HandsetObject::Codec: WriteCodecItem(uint8_t(o.index), value); break;
    case HandsetObject::DspControl:
    case HandsetObject::DspCurrent: WriteDspItem(uint8_t(o.index), value); break;
    case HandsetObject::Param: WriteParam(uint8_t(o.index), o.word, value); break;
  }
}

void SetOverride(const HandsetObject& o, bool on) {
  switch (o.kind) {
    case HandsetObject::Codec: SetCodecOverride(uint8_t(o.index), on); break;
    case HandsetObject::DspControl:
    case HandsetObject::DspCurrent: SetDspOverride(uint8_t(o.index), on); break;
    case HandsetObject::Param: SetParamOverride(uint8_t(o.index), on); break;
  }
}

void ApplyObject(const HandsetObject& o) {
  switch (o.kind) {
    case HandsetObject::Codec: ApplyCodec(uint8_t(o.index)); break;
    case HandsetObject::DspControl:
    case HandsetObject::DspCurrent: ApplyDsp(uint8_t(o.index)); break;
    case HandsetObject::Param: ApplyParams(); break;
  }
}

namespace {
void Run(const Section& section, const ControlView& controls, bool click) {
  LinkHold hold;
  const SectionContext ctx{controls, ChipType()};
  for (const SectionStep& step : section.steps) {
    for (const SectionWord& w : step.writes)
      WriteObject(w.target, w.rebuild(w.readFirst ? ReadObject(w.target) : 0, ctx));
    if (click)
      for (const HandsetObject& o : step.holds) SetOverride(o, true);
    for (const HandsetObject& o : step.applies) ApplyObject(o);
  }
  if (!click && section.commitOnMemberChange) ApplyParams();
}
}  // namespace

void SectionClicked(const Section& section, const ControlView& controls) {
  if (controls.Checked(section.checkBox)) {
    Run(section, controls, true);
    return;
  }
  for (const HandsetObject& o : section.Releases()) SetOverride(o, false);
}

void SectionMemberChanged(const Section& section, const ControlView& controls) {
  if (controls.Checked(section.checkBox)) Run(section, controls, false);
}

}  // namespace vt::editors
