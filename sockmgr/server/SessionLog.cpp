#include "sockmgr/server/SessionLog.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>

namespace vt::sockmgr {

SessionLog::~SessionLog() {
  if (file_) std::fclose(file_);
}

bool SessionLog::Open(const std::string& path, std::string* error) {
  std::lock_guard lock(mu_);
  if (file_) std::fclose(file_);
  file_ = std::fopen(path.c_str(), "a");
  if (!file_ && error) *error = "cannot open log file " + path + ": " + std::strerror(errno);
  return file_ != nullptr;
}

std::string SessionLog::Visible(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (unsigned char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c < 32 || c > 126) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += char(c);
    }
  }
  return out;
}

void SessionLog::Write(int clientId, std::string_view what, std::string_view text) {
  std::lock_guard lock(mu_);
  if (!file_) return;
  auto now = std::chrono::system_clock::now();
  std::time_t secs = std::chrono::system_clock::to_time_t(now);
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm tm{};
  localtime_r(&secs, &tm);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &tm);
  // Long input (junk, runaway lines) is logged by its head and its size.
  constexpr size_t kMaxLogged = 400;
  std::string body = Visible(text.substr(0, kMaxLogged));
  if (body.size() > kMaxLogged || text.size() > kMaxLogged) {
    body.resize(std::min(body.size(), kMaxLogged));
    body += " ... (" + std::to_string(text.size()) + " bytes)";
  }
  std::fprintf(file_, "%s.%03d client %d %.*s %s\n", stamp, int(ms), clientId, int(what.size()),
               what.data(), body.c_str());
  std::fflush(file_);
}

}  // namespace vt::sockmgr
