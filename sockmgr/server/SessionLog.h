// The engineer's capture of a session: every message in and out, timestamped,
// with the client id. Thread-safe; a log without a file does nothing.
#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>

namespace vt::sockmgr {

class SessionLog {
 public:
  SessionLog() = default;
  ~SessionLog();
  SessionLog(const SessionLog&) = delete;
  SessionLog& operator=(const SessionLog&) = delete;

  // Opens (appends to) the file; false and `error` when it cannot be opened.
  bool Open(const std::string& path, std::string* error);
  bool IsOpen() const { return file_ != nullptr; }

  // One line: time, client id (0 for the server itself), direction word and
  // the text with control characters made visible ("\r", "\n", "\xNN").
  void Write(int clientId, std::string_view what, std::string_view text);

  // Control characters and bytes above 126 written as escapes.
  static std::string Visible(std::string_view text);

 private:
  std::mutex mu_;
  std::FILE* file_ = nullptr;
};

}  // namespace vt::sockmgr
