#include "config/LineStore.h"

#include "common/Numbers.h"

#include <algorithm>

namespace vt {

void LineStore::DeleteRange(int first, int count) {
  first = std::max(first, 0);
  count = std::min(count, Count() - first);
  for (int k = 0; k < count; ++k) Delete(first);
}

void LineStore::Assign(const std::vector<std::string>& lines) {
  Clear();
  for (const auto& l : lines) Append(l);
}

void LineStore::Clear() { DeleteRange(0, Count()); }

std::vector<std::string> LineStore::Lines() const {
  std::vector<std::string> out;
  int n = Count();
  out.reserve(size_t(n));
  for (int i = 0; i < n; ++i) out.push_back(Line(i));
  return out;
}

int LineStore::IndexOf(std::string_view text) const {
  int n = Count();
  for (int i = 0; i < n; ++i)
    if (SameText(Line(i), text)) return i;
  return -1;
}

std::string VectorLineStore::Line(int i) const {
  if (i < 0 || i >= Count()) return {};
  return lines_[size_t(i)];
}

void VectorLineStore::Set(int i, const std::string& line) {
  if (i >= 0 && i < Count()) lines_[size_t(i)] = line;
}

void VectorLineStore::Insert(int i, const std::string& line) {
  i = std::clamp(i, 0, Count());
  lines_.insert(lines_.begin() + i, line);
}

void VectorLineStore::Delete(int i) {
  if (i >= 0 && i < Count()) lines_.erase(lines_.begin() + i);
}

void VectorLineStore::DeleteRange(int first, int count) {
  first = std::clamp(first, 0, Count());
  count = std::clamp(count, 0, Count() - first);
  lines_.erase(lines_.begin() + first, lines_.begin() + first + count);
}

}  // namespace vt
