// INI files (the host INI, calibration files): read through SimpleIni; a
// write changes only the value it sets, so the file keeps its formatting
// (spacing, blank lines, comments, line ends) byte for byte otherwise.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vt {

class IniFile {
 public:
  // Opens (reads) the file; a missing or unreadable file reads as empty.
  explicit IniFile(std::string path);
  ~IniFile();
  IniFile(const IniFile&) = delete;
  IniFile& operator=(const IniFile&) = delete;

  const std::string& Path() const { return path_; }
  bool Loaded() const { return loaded_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  long long ReadInteger(const std::string& section, const std::string& key, long long def) const;
  long double ReadFloat(const std::string& section, const std::string& key, long double def) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  // Every value, section by section and key by key in file order.
  struct Entry {
    std::string section, key, value;
  };
  std::vector<Entry> Entries() const;

  // Writes go to the file at once, as the framework's INI class did, and keep
  // the file's identity (see SaveFile). A key that is not there yet is added
  // at the end of its section ("key=value"), a missing section at the end of
  // the file. False when the file cannot be written; LastError() says why.
  [[nodiscard]] bool WriteString(const std::string& section, const std::string& key,
                                 const std::string& value);
  [[nodiscard]] bool WriteInteger(const std::string& section, const std::string& key,
                                  long long value);
  [[nodiscard]] bool WriteFloat(const std::string& section, const std::string& key,
                                long double value);
  const std::string& LastError() const { return error_; }

 private:
  std::string path_;
  std::string error_;
  bool loaded_ = false;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The text of an INI file with one value set: only that value changes (see
// IniFile's writes). Sections and keys match without regard to case.
std::string SetIniText(const std::string& text, const std::string& section, const std::string& key,
                       const std::string& value);

}  // namespace vt
