// INI files (the host INI, calibration files) through SimpleIni, which keeps
// the order and comments of a file it rewrites.
#pragma once

#include <memory>
#include <string>

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

  // Writes go to the file at once (beside it, then renamed over it), as the
  // framework's INI class did. Returns false when the file cannot be written.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, long long value);
  bool WriteFloat(const std::string& section, const std::string& key, long double value);

 private:
  bool Flush();
  std::string path_;
  bool loaded_ = false;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Replaces `path` with `data` so that a reader sees either the old or the new
// file, never a half-written one. On failure the old file is untouched and
// `error` says why.
bool WriteFileAtomically(const std::string& path, const std::string& data, std::string* error);

}  // namespace vt
