// A memo section's keys declared once, as data: each key names its value
// form and the control it comes from. One engine writes the key lines from
// the controls, another reads them back into the controls; the handset
// read-back produces the same key lines from handset words.
//
//   const MemoSection kDspConf{"DSP_CONF", {
//       BoolKey("DL_FIR_en", "CheckBox5"),
//       BoolKey("SelES", "CheckBox101").Chip(3),
//       BoolKey("UL_Noise_gate", "CheckBox117").Chip(3).IfShown("CheckBox116")}};
//
// Writers emit the keys in table order, skipping those whose condition does
// not hold. Readers take keys in any order, compare them exactly, ignore keys
// they do not know and leave the controls of missing keys alone.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editors/ControlView.h"

namespace vt {
class MemoConfig;
}

namespace vt::editors {

// What the writers' conditions look at: the handset's chip type and the
// frame's firmware flags.
struct FrameState {
  int chipType = 1;
  bool hasExtendedEcParams = false;
  bool hasConvergenceAccelerator = false;
  bool hasVoiceBoosterAndHarmonizers = true;
  // The echo-canceller wizard is running (its sends are of changed rows only).
  bool wizardBusy = false;
};

enum class FirmwareFlag { None, ExtendedEcParams, ConvergenceAccelerator, VoiceBoosterAndHarmonizers };

struct MemoKey {
  enum Form {
    Bool,      // "Yes"/"No" from a check box or radio button
    Int,       // a bar's position times `scale`
    Choice,    // choices[0].first when choices[0].second is checked, else choices[1].first
    OneOf,     // the text of the checked control among `choices`; nothing when none is
    Constant,  // always `constant`; not read back
    Computed,  // `compute` from the controls; read back through `apply` when there is one
  };
  std::string key;
  Form form = Bool;
  std::string control;
  int scale = 1;
  // (text, control) pairs. Choice: the second control (if any) is the one
  // checked when its text is read; without it the first control is unchecked.
  std::vector<std::pair<std::string, std::string>> choices;
  int32_t constant = 0;
  std::function<int32_t(const ControlView&)> compute;
  std::function<void(ControlView&, int32_t)> apply;
  // Written only on this chip type (0: any), with this firmware flag, and
  // while this control is shown.
  int chip = 0;
  FirmwareFlag flag = FirmwareFlag::None;
  std::string shownControl;
  // Where the handset read-back takes the key: the handset's word, turned
  // into the key's form (Bool and Choice: true when not 0; OneOf: the index
  // of the text among `choices`). Nothing: no line. No source: not read back.
  std::function<std::optional<int32_t>()> source;

  MemoKey Chip(int chipType) const;
  MemoKey If(FirmwareFlag f) const;
  MemoKey IfShown(std::string name) const;
  MemoKey From(std::function<std::optional<int32_t>()> handsetSource) const;
};

MemoKey BoolKey(std::string key, std::string control);
MemoKey IntKey(std::string key, std::string control, int scale = 1);
MemoKey ChoiceKey(std::string key, std::string control, std::string whenChecked,
                  std::string otherwise, std::string otherControl = {});
MemoKey OneOfKey(std::string key, std::vector<std::pair<std::string, std::string>> choices);
MemoKey ConstantKey(std::string key, int32_t value);
MemoKey ComputedKey(std::string key, std::function<int32_t(const ControlView&)> compute,
                    std::function<void(ControlView&, int32_t)> apply = {});

struct MemoSection {
  std::string name;
  std::vector<MemoKey> keys;
};

using KeyLines = std::vector<std::pair<std::string, std::string>>;

// The key lines a writer emits for the controls as they stand.
KeyLines KeyLinesFromControls(const MemoSection& section, const ControlView& controls,
                              const FrameState& state);
// The key lines of the handset read-back: the writer's keys and conditions,
// each value from the key's source (keys without one are left out).
KeyLines KeyLinesFromHandset(const MemoSection& section, const ControlView& controls,
                             const FrameState& state);
// A copy of the section whose keys take their sources from `sources`, by
// key name; a name the section does not have is a programming error
// (std::logic_error).
MemoSection WithSources(
    const MemoSection& section,
    const std::vector<std::pair<std::string, std::function<std::optional<int32_t>()>>>& sources);
// Replaces the section in the active memo with these lines.
void WriteSection(MemoConfig& memo, const std::string& name, const KeyLines& lines);
// Both of the above.
void SendSectionToMemo(const MemoSection& section, const ControlView& controls,
                       const FrameState& state, MemoConfig& memo);
// Reads the section from the active memo into the controls. Every pair is
// read before the first control is set, as setting a control runs its
// change handler.
void GetSectionFromMemo(const MemoSection& section, MemoConfig& memo, ControlView& controls);

}  // namespace vt::editors
