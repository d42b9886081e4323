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

std::vector<std::pair<std::string, std::string>> ControlMap::ListRows(std::string_view name) const {
  const Value* v = Find(name);
  return v ? v->rows : std::vector<std::pair<std::string, std::string>>{};
}

void ControlMap::SetListValue(std::string_view name, int row, std::string_view value) {
  auto it = values_.find(name);
  if (it == values_.end() || row < 1 || row > int(it->second.rows.size())) return;
  it->second.rows[size_t(row - 1)].second = std::string(value);
}

bool ControlMap::Focused(std::string_view name) const {
  const Value* v = Find(name);
  return v && v->focused;
}

void ControlMap::SetList(std::string_view name, const std::vector<std::string>& lines) {
  auto& rows = values_[std::string(name)].rows;
  rows.clear();
  for (const std::string& l : lines) {
    const auto eq = l.find('=');
    if (eq == std::string::npos) rows.emplace_back(l, "");
    else rows.emplace_back(l.substr(0, eq), l.substr(eq + 1));
  }
}

void ControlMap::SetFocused(std::string_view name, bool focused) {
  values_[std::string(name)].focused = focused;
}

void ControlMap::RadioGroup(std::vector<std::string> names) { groups_.push_back(std::move(names)); }

}  // namespace vt::editors
