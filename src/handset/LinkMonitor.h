// Watching the link: the monitor the host installs as the link's Events
// observer passes each event on to its own observers (the monitor window,
// the link log file) and counts the session's lines, replies and time-outs.
// All of it runs in the GUI thread that drives the link, except where a
// method says otherwise.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "handset/LinkEvents.h"

namespace vt {

// "request", "granted", "line", "reply", "time-out", ...
const char* LinkEventName(LinkEventKind kind);
// "->" towards the handset, "<-" from it, "!!" a failed wait.
const char* LinkEventDirection(LinkEventKind kind);
// Control characters and bytes above 126 as escapes ("\r", "\n", "\\", "\xNN").
std::string VisibleLinkText(std::string_view text);
// Local time with microseconds: "2026-12-06 04:30:01.123456".
std::string LinkEventTime(int64_t timeUs);
// One line of the link log, tab-separated: time, direction, event (a line's
// with its time-out: "line 300 ms"), round trip in ms ("" when none), text.
std::string FormatLinkEvent(const LinkEvent& e);

class LinkMonitor : public LinkEventObserver {
 public:
  struct Counts {
    uint64_t Lines = 0, Replies = 0, TimeOuts = 0;
  };
  // GUI thread, never from inside an observer.
  void Attach(LinkEventObserver* observer);
  void Detach(LinkEventObserver* observer);
  // Called by the link (GUI thread): counts and passes the event on.
  void OnLinkEvent(const LinkEvent& event) override;
  // Any thread.
  Counts Session() const;
  void NewSession();

 private:
  std::vector<LinkEventObserver*> observers_;
  std::atomic<uint64_t> lines_{0}, replies_{0}, timeOuts_{0};
};

// The link log (voxhost --link-log): one FormatLinkEvent line per event.
// The link only queues the event; a writer thread of the log formats and
// writes the queue every kWriteMs, and at the end.
class LinkLogFile : public LinkEventObserver {
 public:
  static constexpr int kWriteMs = 200;
  LinkLogFile() = default;
  ~LinkLogFile() override;  // writes what is queued, then closes
  LinkLogFile(const LinkLogFile&) = delete;
  LinkLogFile& operator=(const LinkLogFile&) = delete;
  // Creates (truncates) the file and starts the writer; false with `error`
  // when it cannot be created.
  bool Open(const std::string& path, std::string* error);
  // Called by the link's monitor (GUI thread): queues the event.
  void OnLinkEvent(const LinkEvent& event) override;
  // Any thread: writes what is queued now and flushes the file.
  void Flush();

 private:
  void Close();
  std::mutex mu_;  // guards queued_ and stopping_
  std::condition_variable wake_;
  std::vector<LinkEvent> queued_;
  bool stopping_ = false;
  std::mutex writeMu_;  // one writer at a time, in the order taken
  std::vector<LinkEvent> taken_;  // guarded by writeMu_; swapped with queued_, keeps its room
  std::FILE* file_ = nullptr;
  std::thread writer_;
};

// The events kept for a view: the newest `capacity` of them. Events come in
// through a short mutex-protected append; the view takes them on its own
// time and keeps them, dropping the oldest beyond the capacity.
class LinkEventStore : public LinkEventObserver {
 public:
  static constexpr size_t kDefaultCapacity = 100000;
  explicit LinkEventStore(size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

  // Any thread: queues the event (the oldest queued go beyond the capacity).
  void OnLinkEvent(const LinkEvent& event) override;
  // The view's thread, for everything below: the events queued since the
  // last call (at most the capacity).
  std::vector<LinkEvent> TakeNew();
  // How many kept events must go to make room for n new ones.
  size_t Overflow(size_t n) const;
  void DropOldest(size_t n);
  void Append(std::vector<LinkEvent>&& events);
  size_t Size() const { return kept_.size(); }
  const LinkEvent& At(size_t i) const { return kept_[i]; }
  size_t Capacity() const { return capacity_; }
  // Forgets the kept events and the queued ones.
  void Clear();

 private:
  const size_t capacity_;
  std::mutex mu_;
  std::deque<LinkEvent> queued_;  // guarded by mu_
  std::deque<LinkEvent> kept_;
};

}  // namespace vt
