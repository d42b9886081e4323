// The section switch: a section check box and the member controls whose
// state makes up one or more handset words.
//
// - Section box unchecked: release what the section holds (each override
//   once) and write nothing else.
// - Section box checked: under one held link, read each word, rebuild it
//   from the controls, write it, take the section's overrides (once per
//   click), apply.
// - A member changed while the section is checked: the same without taking
//   overrides. While the section is unchecked a member change writes nothing.
//
// A section is declared as data: its check box, its members and its steps.
// Each step writes its words, then takes its overrides (on the click only),
// then applies what it names, so that "write, override, apply" per item and
// "write both, override both, apply both" are both plain tables.
//
// GUI thread only (the handset link belongs to it).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "editors/ControlView.h"

namespace vt::editors {

// A handset object a section writes, holds or applies.
struct HandsetObject {
  enum Kind {
    Codec,       // codec item k: ReadCodecItem / WriteCodecItem / SetCodecOverride / ApplyCodec
    DspControl,  // DSP item m, its control word in force ("bbl aurdm " of area 5)
    DspCurrent,  // DSP item m, its current word (ReadDspItem)
    Param,       // parameter id f, word n; applying commits every written parameter
  };
  Kind kind;
  int index;     // item or parameter id
  int word = 0;  // parameter word n
};

struct SectionContext {
  const ControlView& controls;
  int chipType;
  bool Checked(std::string_view name) const { return controls.Checked(name); }
  int Position(std::string_view name) const { return controls.Position(name); }
};

// The new word from the word read (0 when the word is not read first).
using Rebuild = std::function<int32_t(int32_t read, const SectionContext&)>;

struct SectionWord {
  HandsetObject target;
  Rebuild rebuild;
  bool readFirst = true;
};

struct SectionStep {
  std::vector<SectionWord> writes;
  std::vector<HandsetObject> holds;    // overrides taken on the section's click
  std::vector<HandsetObject> applies;  // applied in order after the writes
};

struct Section {
  std::string checkBox;
  std::vector<std::string> members;
  std::vector<SectionStep> steps;
  // A member change also commits the parameters after the applies.
  bool commitOnMemberChange = false;
  // Everything the section holds, released in this order when unchecked
  // (empty: the holds of the steps, in step order).
  std::vector<HandsetObject> releases;

  std::vector<HandsetObject> Releases() const;
};

// The section's check box was clicked (checked or unchecked).
void SectionClicked(const Section& section, const ControlView& controls);
// One of its members changed.
void SectionMemberChanged(const Section& section, const ControlView& controls);

// Handset access by object kind (the link calls of the handset layer).
int32_t ReadObject(const HandsetObject& o);
void WriteObject(const HandsetObject& o, int32_t value);
void SetOverride(const HandsetObject& o, bool on);
void ApplyObject(const HandsetObject& o);

}  // namespace vt::editors
