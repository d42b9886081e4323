#include "editors/MemoKeys.h"

#include <algorithm>
#include <stdexcept>

#include "config/MemoConfig.h"

namespace vt::editors {

MemoKey MemoKey::Chip(int chipType) const {
  MemoKey k = *this;
  k.chip = chipType;
  return k;
}

MemoKey MemoKey::If(FirmwareFlag f) const {
  MemoKey k = *this;
  k.flag = f;
  return k;
}

MemoKey MemoKey::IfShown(std::string name) const {
  MemoKey k = *this;
  k.shownControl = std::move(name);
  return k;
}

MemoKey MemoKey::From(std::function<std::optional<int32_t>()> handsetSource) const {
  MemoKey k = *this;
  k.source = std::move(handsetSource);
  return k;
}

MemoKey BoolKey(std::string key, std::string control) {
  MemoKey k;
  k.key = std::move(key);
  k.form = MemoKey::Bool;
  k.control = std::move(control);
  return k;
}

MemoKey IntKey(std::string key, std::string control, int scale) {
  MemoKey k;
  k.key = std::move(key);
  k.form = MemoKey::Int;
  k.control = std::move(control);
  k.scale = scale;
  return k;
}

MemoKey ChoiceKey(std::string key, std::string control, std::string whenChecked,
                  std::string otherwise, std::string otherControl) {
  MemoKey k;
  k.key = std::move(key);
  k.form = MemoKey::Choice;
  k.choices = {{std::move(whenChecked), control}, {std::move(otherwise), std::move(otherControl)}};
  k.control = std::move(control);
  return k;
}

MemoKey OneOfKey(std::string key, std::vector<std::pair<std::string, std::string>> choices) {
  MemoKey k;
  k.key = std::move(key);
  k.form = MemoKey::OneOf;
  k.choices = std::move(choices);
  return k;
}

MemoKey ConstantKey(std::string key, int32_t value) {
  MemoKey k;
  k.key = std::move(key);
  k.form = MemoKey::Constant;
  k.constant = value;
  return k;
}

MemoKey ComputedKey(std::string key, std::function<int32_t(const ControlView&)> compute,
                    std::function<void(ControlView&, int32_t)> apply) {
  MemoKey k;
  k.key = std::move(key);
  k.form = MemoKey::Computed;
  k.compute = std::move(compute);
  k.apply = std::move(apply);
  return k;
}

namespace {
bool FlagSet(FirmwareFlag f, const FrameState& s) {
  switch (f) {
    case FirmwareFlag::None: return true;
    case FirmwareFlag::ExtendedEcParams: return s.hasExtendedEcParams;
    case FirmwareFlag::ConvergenceAccelerator: return s.hasConvergenceAccelerator;
    case FirmwareFlag::VoiceBoosterAndHarmonizers: return s.hasVoiceBoosterAndHarmonizers;
  }
  return false;
}

bool Written(const MemoKey& k, const ControlView& c, const FrameState& s) {
  return (k.chip == 0 || k.chip == s.chipType) && FlagSet(k.flag, s) &&
         (k.shownControl.empty() || c.Shown(k.shownControl));
}
}  // namespace

KeyLines KeyLinesFromControls(const MemoSection& section, const ControlView& c,
                              const FrameState& state) {
  KeyLines lines;
  for (const MemoKey& k : section.keys) {
    if (!Written(k, c, state)) continue;
    switch (k.form) {
      case MemoKey::Bool: lines.emplace_back(k.key, BoolToValue(c.Checked(k.control))); break;
      case MemoKey::Int:
        lines.emplace_back(k.key, std::to_string(c.Position(k.control) * k.scale));
        break;
      case MemoKey::Choice:
        lines.emplace_back(k.key, c.Checked(k.control) ? k.choices[0].first : k.choices[1].first);
        break;
      case MemoKey::OneOf:
        for (const auto& [text, control] : k.choices)
          if (c.Checked(control)) {
            lines.emplace_back(k.key, text);
            break;
          }
        break;
      case MemoKey::Constant: lines.emplace_back(k.key, std::to_string(k.constant)); break;
      case MemoKey::Computed: lines.emplace_back(k.key, std::to_string(k.compute(c))); break;
    }
  }
  return lines;
}

KeyLines KeyLinesFromHandset(const MemoSection& section, const ControlView& c,
                             const FrameState& state) {
  KeyLines lines;
  for (const MemoKey& k : section.keys) {
    if (!k.source || !Written(k, c, state)) continue;
    const std::optional<int32_t> word = k.source();
    if (!word) continue;
    switch (k.form) {
      case MemoKey::Bool: lines.emplace_back(k.key, BoolToValue(*word != 0)); break;
      case MemoKey::Choice:
        lines.emplace_back(k.key, *word != 0 ? k.choices[0].first : k.choices[1].first);
        break;
      case MemoKey::OneOf:
        if (*word >= 0 && size_t(*word) < k.choices.size())
          lines.emplace_back(k.key, k.choices[size_t(*word)].first);
        break;
      case MemoKey::Int:
      case MemoKey::Constant:
      case MemoKey::Computed: lines.emplace_back(k.key, std::to_string(*word)); break;
    }
  }
  return lines;
}

MemoSection WithSources(
    const MemoSection& section,
    const std::vector<std::pair<std::string, std::function<std::optional<int32_t>()>>>& sources) {
  MemoSection s = section;
  for (const auto& [key, source] : sources) {
    auto k = std::find_if(s.keys.begin(), s.keys.end(),
                          [&](const MemoKey& m) { return m.key == key; });
    if (k == s.keys.end()) throw std::logic_error(section.name + " has no key " + key);
    k->source = source;
  }
  return s;
}

void WriteSection(MemoConfig& memo, const std::string& name, const KeyLines& lines) {
  memo.BeginSection(name);
  for (const auto& [key, value] : lines) memo.WriteText(key, value);
}

void SendSectionToMemo(const MemoSection& section, const ControlView& controls,
                       const FrameState& state, MemoConfig& memo) {
  WriteSection(memo, section.name, KeyLinesFromControls(section, controls, state));
}

namespace {
void Apply(const MemoKey& k, const std::string& value, ControlView& c) {
  switch (k.form) {
    case MemoKey::Bool: c.SetChecked(k.control, ValueToBool(value)); break;
    case MemoKey::Int: c.SetPosition(k.control, ValueToInt(value) / k.scale); break;
    case MemoKey::Choice:
      if (value == k.choices[0].first) {
        c.SetChecked(k.control, true);
      } else if (value == k.choices[1].first) {
        if (k.choices[1].second.empty()) c.SetChecked(k.control, false);
        else c.SetChecked(k.choices[1].second, true);
      }
      break;
    case MemoKey::OneOf:
      for (const auto& [text, control] : k.choices)
        if (value == text) {
          c.SetChecked(control, true);
          break;
        }
      break;
    case MemoKey::Constant: break;
    case MemoKey::Computed:
      if (k.apply) k.apply(c, ValueToInt(value));
      break;
  }
}
}  // namespace

void GetSectionFromMemo(const MemoSection& section, MemoConfig& memo, ControlView& controls) {
  KeyLines pairs;
  memo.OpenSection(section.name);
  for (std::string key, value; memo.NextKeyValue(key, value);) pairs.emplace_back(key, value);
  for (const auto& [key, value] : pairs)
    for (const MemoKey& k : section.keys)
      if (k.key == key) {
        Apply(k, value, controls);
        break;
      }
}

}  // namespace vt::editors
