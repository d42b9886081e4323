#include "common/IniFile.h"

// 8-bit text as it stands: no UTF conversion or validation.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/Numbers.h"

namespace vt {

struct IniFile::Impl {
  CSimpleIniA ini{false, false, true};
};

IniFile::IniFile(std::string path) : path_(std::move(path)), impl_(std::make_unique<Impl>()) {
  loaded_ = impl_->ini.LoadFile(path_.c_str()) >= 0;
}

IniFile::~IniFile() = default;

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
  impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
  return Flush();
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, long long value) {
  return WriteString(section, key, IntToStr(value));
}

bool IniFile::WriteFloat(const std::string& section, const std::string& key, long double value) {
  return WriteString(section, key, FloatToStr(value));
}

bool IniFile::Flush() {
  std::string data;
  if (impl_->ini.Save(data) < 0) return false;
  return WriteFileAtomically(path_, data, nullptr);
}

bool WriteFileAtomically(const std::string& path, const std::string& data, std::string* error) {
  std::string tmp = path + ".tmp-XXXXXX";
  int fd = mkstemp(tmp.data());
  auto fail = [&](const char* what) {
    if (error) *error = std::string(what) + ": " + std::strerror(errno);
    return false;
  };
  if (fd < 0) return fail("cannot create a file beside it");
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      int saved = errno;
      ::close(fd);
      ::unlink(tmp.c_str());
      errno = saved;
      return fail("cannot write");
    }
    done += size_t(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    int saved = errno;
    ::unlink(tmp.c_str());
    errno = saved;
    return fail("cannot write");
  }
  // Keep the permissions a plain create would have given.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(tmp.c_str(), 0666 & ~mask);
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    int saved = errno;
    ::unlink(tmp.c_str());
    errno = saved;
    return fail("cannot replace the file");
  }
  return true;
}

}  // namespace vt
