#include "telephonometry/CalFile.h"

#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "common/IniFile.h"
#include "common/Numbers.h"
#include "common/SafeFile.h"

namespace vt::telephonometry {

namespace {

bool Exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

std::string NotANumber(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& text) {
  return path + ": [" + section + "] " + key + ": \"" + text + "\" is not a number";
}

}  // namespace

CalReader::CalReader(const CalFile& file) : path_(file.Path()) {
  std::string text;
  if (Exists(path_) && !ReadWholeFile(path_, text, &error_)) {
    error_ = path_ + ": " + error_;
    return;
  }
  error_.clear();
  ini_ = std::make_unique<IniFile>(path_);
  if (Exists(path_) && !ini_->Loaded()) error_ = path_ + ": the file cannot be read as an INI file";
}

CalReader::~CalReader() = default;

bool CalReader::Has(const std::string& section, const std::string& key) const {
  return ini_ && ini_->ValueExists(section, key);
}

bool CalReader::Float(const std::string& section, const std::string& key, double def, double& value,
                      std::string& error) const {
  if (!Has(section, key)) {
    value = def;
    return true;
  }
  const std::string raw = ini_->ReadString(section, key, "");
  const std::string text = Trim(raw);
  char* end = nullptr;
  errno = 0;
  const double x = text.empty() ? 0 : std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || errno == ERANGE || !std::isfinite(x)) {
    error = NotANumber(path_, section, key, raw);
    return false;
  }
  value = x;
  return true;
}

bool CalReader::Integer(const std::string& section, const std::string& key, long long def, long long& value,
                        std::string& error) const {
  if (!Has(section, key)) {
    value = def;
    return true;
  }
  const std::string raw = ini_->ReadString(section, key, "");
  if (!TryStrToInt(TrimView(raw), value)) {
    error = NotANumber(path_, section, key, raw);
    return false;
  }
  return true;
}

void CalWrites::Float(const std::string& section, const std::string& key, long double value) {
  values_.push_back({section, key, FloatToStr(value)});
}

void CalWrites::Integer(const std::string& section, const std::string& key, long long value) {
  values_.push_back({section, key, IntToStr(value)});
}

bool CalWrites::Commit(std::string& error) const {
  if (path_.empty()) {
    error = "No cal file is defined";
    return false;
  }
  std::string text, why;
  if (Exists(path_) && !ReadWholeFile(path_, text, &why)) {
    error = "Cannot read " + path_ + ": " + why;
    return false;
  }
  for (const Value& v : values_) text = SetIniText(text, v.section, v.key, v.text);
  if (!SaveFile(path_, text, &why)) {
    error = "Cannot write " + path_ + ": " + why;
    return false;
  }
  return true;
}

}  // namespace vt::telephonometry
