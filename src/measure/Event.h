// Auto-reset event: the signal a streaming thread gives the GUI thread when a
// block has seen enough buffers. Any thread may set, reset or wait.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

namespace vt::measure {

class Event {
 public:
  explicit Event(std::string name = {}) : name_(std::move(name)) {}
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  const std::string& Name() const { return name_; }

  // Any thread. Wakes one waiter; stays signalled until a wait consumes it.
  void Set();
  // Any thread. Back to not signalled.
  void Reset();
  // Any thread. True when the event was signalled within the time (it is then
  // reset again), false on time-out.
  bool WaitFor(std::chrono::milliseconds timeout);
  // Any thread. Peeks without consuming.
  bool IsSet() const;

 private:
  std::string name_;
  mutable std::mutex mutex_;
  std::condition_variable cv_;
  bool signalled_ = false;
};

}  // namespace vt::measure
