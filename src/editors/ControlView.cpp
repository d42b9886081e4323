#include "editors/ControlView.h"

#include <algorithm>

namespace vt::editors {

const ControlMap::Value* ControlMap::Find(std::string_view name) const {
  auto it = values_.find(name);
  return it == values_.end() ? nullptr : &it->second;
}

bool ControlMap::Checked(std::string_view name) const {
  const Value* v = Find(name);
  return v && v->checked;
}

void ControlMap::SetChecked(std::string_view name, bool on) {
  if (on) {
    for (const auto& group : groups_)
      if (std::find(group.begin(), group.end(), name) != group.end())
        for (const auto& other : group) values_[other].checked = false;
  }
  values_[std::string(name)].checked = on;
}

int ControlMap::Position(std::string_view name) const {
  const Value* v = Find(name);
  return v ? v->position : 0;
}

void ControlMap::SetPosition(std::string_view name, int position) {
  values_[std::string(name)].position = position;
}

std::string ControlMap::Text(std::string_view name) const {
  const Value* v = Find(name);
  return v ? v->text : std::string();
}

void ControlMap::SetText(std::string_view name, std::string_view text) {
  values_[std::string(name)].text = std::string(text);
}

bool ControlMap::Shown(std::string_view name) const {
  const Value* v = Find(name);
  return !v || v->shown;
}

void ControlMap::SetShown(std::string_view name, bool shown) {
  values_[std::string(name)].shown = shown;
}

void ControlMap::RadioGroup(std::vector<std::string> names) { groups_.push_back(std::move(names)); }

}  // namespace vt::editors
