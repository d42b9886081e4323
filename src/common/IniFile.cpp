#include "common/IniFile.h"

// 8-bit text as it stands: no UTF conversion or validation.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <vector>

#include "common/Numbers.h"
#include "common/SafeFile.h"

namespace vt {

struct IniFile::Impl {
  CSimpleIniA ini{false, false, true};
};

IniFile::IniFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {
  std::string text;
  if (ReadWholeFile(path_, text, &error_)) {
    // The INI reader stops at a NUL byte; as a blank, the rest of the file is
    // still read, as the writes (SetIniText) see it.
    std::replace(text.begin(), text.end(), '\0', ' ');
    loaded_ = impl_->ini.LoadData(text) >= 0;
  }
}

IniFile::~IniFile() = default;

std::vector<IniFile::Entry> IniFile::Entries() const {
  std::vector<Entry> entries;
  CSimpleIniA::TNamesDepend sections;
  impl_->ini.GetAllSections(sections);
  sections.sort(CSimpleIniA::Entry::LoadOrder());
  for (const auto& section : sections) {
    CSimpleIniA::TNamesDepend keys;
    impl_->ini.GetAllKeys(section.pItem, keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto& key : keys)
      entries.push_back({section.pItem, key.pItem, impl_->ini.GetValue(section.pItem, key.pItem, "")});
  }
  return entries;
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  return v ? std::string(v) : def;
}

long long IniFile::ReadInteger(const std::string& section, const std::string& key,
                               long long def) const {
  const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (!v) return def;
  return StrToIntDef(TrimView(v), def);
}

long double IniFile::ReadFloat(const std::string& section, const std::string& key,
                               long double def) const {
  const char* v = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
  if (!v) return def;
  std::string t = Trim(v);
  if (t.empty()) return def;
  char* end = nullptr;
  long double x = std::strtold(t.c_str(), &end);
  return (end && *end == '\0') ? x : def;
}

bool IniFile::ValueExists(const std::string& section, const std::string& key) const {
  return impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  // The file as it is now (it may have changed since it was read).
  std::string text;
  std::string error;
  if (!ReadWholeFile(path_, text, &error) && ::access(path_.c_str(), F_OK) == 0) {
    error_ = "cannot read " + path_ + ": " + error;
    return false;
  }
  text = SetIniText(text, section, key, value);
  if (!SaveFile(path_, text, &error)) {
    error_ = "cannot write " + path_ + ": " + error;
    return false;
  }
  error_.clear();
  if (impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0) {
    error_ = "out of memory";
    return false;
  }
  return true;
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, long long value) {
  return WriteString(section, key, IntToStr(value));
}

bool IniFile::WriteFloat(const std::string& section, const std::string& key, long double value) {
  return WriteString(section, key, FloatToStr(value));
}

namespace {

struct Line {
  size_t begin, end, next;  // text, line end excluded, start of the next line
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t pos = 0;
  // CR LF, LF or a lone CR (old Mac files) ends a line, as the INI reader
  // takes it: else a "[section]" after a lone CR would be missed here.
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    size_t next = text.size();
    if (end == std::string::npos) end = text.size();
    else next = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
}

// "[name]" -> name; empty when the line is no section header.
std::string SectionName(std::string_view line) {
  // A NUL counts as a blank, as the reader takes it (see IniFile's constructor).
  const size_t first = line.find_first_not_of(std::string_view(" \t\0", 3));
  line = first == std::string_view::npos ? std::string_view() : TrimView(line.substr(first));
  if (line.empty() || line.front() != '[') return {};
  auto close = line.find(']');
  // An unclosed "[" line: the INI reader files the keys after it under a
  // section of its own, so it ends the section before it here too.
  if (close == std::string_view::npos) return "\n";
  return std::string(TrimView(line.substr(1, close - 1)));
}

}  // namespace

std::string SetIniText(const std::string& text, const std::string& section, const std::string& key,
                       const std::string& value) {
  const std::string eol = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  const auto lines = SplitLines(text);
  bool inSection = false, found = false;
  size_t valueFrom = std::string::npos, valueTo = 0;
  size_t insertAt = std::string::npos;  // after the last non-blank line of the section
  for (const Line& l : lines) {
    std::string_view body(text.data() + l.begin, l.end - l.begin);
    std::string name = SectionName(body);
    if (!name.empty()) {
      inSection = SameText(name, section);
      if (inSection) {
        found = true;
        insertAt = l.next;
      }
      continue;
    }
    if (!inSection) continue;
    std::string_view trimmed = TrimView(body);
    if (trimmed.empty()) continue;
    insertAt = l.next;
    if (trimmed.front() == ';' || trimmed.front() == '#') continue;
    auto eq = body.find('=');
    if (eq == std::string_view::npos || !SameText(std::string(TrimView(body.substr(0, eq))), key))
      continue;
    // The value only, so that what surrounds it stays as it was. A key given
    // twice (a section may stand twice) is read from its last line: that one.
    valueFrom = l.begin + eq + 1;
    while (valueFrom < l.end && (text[valueFrom] == ' ' || text[valueFrom] == '\t')) ++valueFrom;
    valueTo = l.end;
    while (valueTo > valueFrom && (text[valueTo - 1] == ' ' || text[valueTo - 1] == '\t')) --valueTo;
  }
  if (valueFrom != std::string::npos) return text.substr(0, valueFrom) + value + text.substr(valueTo);
  std::string entry = key + "=" + value + eol;
  if (found) {
    std::string out = text;
    // The section's last line may lack its line end (end of file).
    if (insertAt > 0 && insertAt == out.size() && out.back() != '\n' && out.back() != '\r') {
      out += eol;
      insertAt = out.size();
    }
    return out.insert(insertAt, entry);
  }
  std::string out = text;
  if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += eol;
  return out + "[" + section + "]" + eol + entry;
}

}  // namespace vt
