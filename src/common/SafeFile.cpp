#include "common/SafeFile.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vt {

namespace {

bool Fail(std::string* error, const std::string& what, int err) {
  if (error) *error = what + (err ? std::string(": ") + std::strerror(err) : std::string());
  return false;
}

std::string DirOf(const std::string& path) {
  auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += size_t(n);
  }
  return true;
}

// Beside the target, then renamed over it.
bool WriteBeside(const std::string& target, const std::string& data, const struct stat* old,
                 std::string* error) {
  std::string tmp = target + ".tmp-XXXXXX";
  int fd = ::mkstemp(tmp.data());
  if (fd < 0) return Fail(error, "cannot create a file beside it", errno);
  auto abandon = [&](const char* what) {
    int saved = errno;
    ::close(fd);
    ::unlink(tmp.c_str());
    return Fail(error, what, saved);
  };
  if (!WriteAll(fd, data) || ::fsync(fd) != 0) return abandon("cannot write");
  if (old) {
    // Same owner (where allowed) and the same permissions as the old file.
    if (::fchown(fd, old->st_uid, old->st_gid) != 0) errno = 0;
    if (::fchmod(fd, old->st_mode & 07777) != 0) return abandon("cannot keep the permissions");
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0) return abandon("cannot set the permissions");
  }
  if (::close(fd) != 0) {
    int saved = errno;
    ::unlink(tmp.c_str());
    return Fail(error, "cannot write", saved);
  }
  if (::rename(tmp.c_str(), target.c_str()) != 0) {
    int saved = errno;
    ::unlink(tmp.c_str());
    return Fail(error, "cannot replace the file", saved);
  }
  return true;
}

// Rewrites an existing file where it is (its folder is read-only).
bool WriteInPlace(const std::string& target, const std::string& data, std::string* error) {
  int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return Fail(error, "cannot open the file for writing", errno);
  bool ok = WriteAll(fd, data) && ::ftruncate(fd, off_t(data.size())) == 0 && ::fsync(fd) == 0;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  return ok || Fail(error, "cannot write", saved);
}

}  // namespace

std::string ResolveLinks(const std::string& path) {
  std::string p = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    char buf[PATH_MAX];
    ssize_t n = ::readlink(p.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return p;
    std::string to(buf, size_t(n));
    p = to.front() == '/' ? to : DirOf(p) + "/" + to;
  }
  return p;
}

bool ReadWholeFile(const std::string& path, std::string& data, std::string* error, size_t maxBytes) {
  // Non-blocking open: a FIFO without a writer must not hang the caller.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return Fail(error, "cannot open the file", errno);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    int saved = errno;
    ::close(fd);
    return Fail(error, "cannot open the file", saved);
  }
  if (!S_ISREG(st.st_mode)) {
    ::close(fd);
    return Fail(error, S_ISDIR(st.st_mode) ? "it is a folder, not a file" : "it is not a regular file", 0);
  }
  if (size_t(st.st_size) > maxBytes) {
    ::close(fd);
    return Fail(error, "the file is too large (" + std::to_string(st.st_size) + " bytes, at most " +
                           std::to_string(maxBytes) + ")", 0);
  }
  std::string out;
  out.reserve(size_t(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int saved = errno;
      ::close(fd);
      return Fail(error, "cannot read the file", saved);
    }
    if (n == 0) break;
    out.append(buf, size_t(n));
    if (out.size() > maxBytes) {  // grew while being read
      ::close(fd);
      return Fail(error, "the file is too large (more than " + std::to_string(maxBytes) + " bytes)", 0);
    }
  }
  ::close(fd);
  data = std::move(out);
  return true;
}

namespace {
enum class Way { Refused, Beside, InPlace };

Way Plan(const std::string& target, struct stat& st, bool& exists, std::string* error) {
  const std::string dir = DirOf(target);
  exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Fail(error, "cannot reach the file", errno), Way::Refused;
  if (exists) {
    if (!S_ISREG(st.st_mode)) return Fail(error, "it is not a regular file", 0), Way::Refused;
    if (::access(target.c_str(), W_OK) != 0)
      return Fail(error, "you may not write to this file", errno), Way::Refused;
  }
  if (::access(dir.c_str(), W_OK | X_OK) == 0) return Way::Beside;
  if (!exists) return Fail(error, "cannot create a file in " + dir, errno), Way::Refused;
  return Way::InPlace;
}
}  // namespace

bool CheckWritable(const std::string& path, std::string* error) {
  struct stat st {};
  bool exists = false;
  return Plan(ResolveLinks(path), st, exists, error) != Way::Refused;
}

bool SaveFile(const std::string& path, const std::string& data, std::string* error) {
  const std::string target = ResolveLinks(path);
  struct stat st {};
  bool exists = false;
  switch (Plan(target, st, exists, error)) {
    case Way::Refused: return false;
    case Way::Beside: return WriteBeside(target, data, exists ? &st : nullptr, error);
    case Way::InPlace: return WriteInPlace(target, data, error);
  }
  return false;
}

}  // namespace vt
