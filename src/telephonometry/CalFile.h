// The calibration file ("*.acal", an INI file): reading its values with a
// clear error for a file that cannot be read or a value that is not a number,
// and the writes of one procedure saved together in one atomic save, so that a
// procedure that fails or is stopped writes nothing and a crash mid-save
// leaves the previous file whole.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vt {
class IniFile;
}

namespace vt::telephonometry {

class CalFile {
 public:
  CalFile() = default;
  explicit CalFile(std::string path) : path_(std::move(path)) {}

  // Empty when no cal file is defined.
  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  bool Defined() const { return !path_.empty(); }

 private:
  std::string path_;
};

// The file's values as they are when it is read. A file that does not exist
// reads as empty (nothing calibrated yet).
class CalReader {
 public:
  explicit CalReader(const CalFile& file);
  ~CalReader();
  CalReader(const CalReader&) = delete;
  CalReader& operator=(const CalReader&) = delete;

  // "" when the file was read (or does not exist); else why it could not be.
  const std::string& Error() const { return error_; }
  bool Has(const std::string& section, const std::string& key) const;
  // The value, or `def` when the key is missing. A value that is not a number
  // gives false and `error` = <file>: [section] key: "text" is not a number.
  bool Float(const std::string& section, const std::string& key, double def, double& value,
             std::string& error) const;
  bool Integer(const std::string& section, const std::string& key, long long def, long long& value,
               std::string& error) const;

 private:
  std::string path_;
  std::string error_;
  std::unique_ptr<IniFile> ini_;
};

// A procedure's writes, kept until Commit writes them all at once. The file's
// other lines stay byte for byte.
class CalWrites {
 public:
  explicit CalWrites(const CalFile& file) : path_(file.Path()) {}

  void Float(const std::string& section, const std::string& key, long double value);
  void Integer(const std::string& section, const std::string& key, long long value);
  bool Empty() const { return values_.empty(); }

  // Reads the file as it is now, sets every value and saves it atomically.
  // False with the reason in `error`; the file is then unchanged.
  bool Commit(std::string& error) const;

 private:
  struct Value {
    std::string section, key, text;
  };
  std::string path_;
  std::vector<Value> values_;
};

}  // namespace vt::telephonometry
