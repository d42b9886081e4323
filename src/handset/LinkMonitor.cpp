#include "handset/LinkMonitor.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <iterator>

namespace vt {

const char* LinkEventName(LinkEventKind kind) {
  switch (kind) {
    case LinkEventKind::Request: return "request";
    case LinkEventKind::Granted: return "granted";
    case LinkEventKind::Release: return "release";
    case LinkEventKind::Released: return "released";
    case LinkEventKind::Line: return "line";
    case LinkEventKind::LineDone: return "done";
    case LinkEventKind::LineDenied: return "denied";
    case LinkEventKind::Query: return "query";
    case LinkEventKind::Reply: return "reply";
    case LinkEventKind::TimeOut: return "time-out";
    case LinkEventKind::Dropped: return "link down";
    case LinkEventKind::Cancelled: return "cancelled";
  }
  return "?";
}

const char* LinkEventDirection(LinkEventKind kind) {
  switch (kind) {
    case LinkEventKind::Request:
    case LinkEventKind::Release:
    case LinkEventKind::Line:
    case LinkEventKind::Query: return "->";
    case LinkEventKind::LineDenied:
    case LinkEventKind::TimeOut:
    case LinkEventKind::Dropped:
    case LinkEventKind::Cancelled: return "!!";
    default: return "<-";
  }
}

std::string VisibleLinkText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (unsigned char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\\') out += "\\\\";
    else if (c < 32 || c > 126) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else out += char(c);
  }
  return out;
}

std::string LinkEventTime(int64_t timeUs) {
  std::time_t secs = std::time_t(timeUs / 1000000);
  std::tm tm{};
  localtime_r(&secs, &tm);
  char buf[48];
  size_t n = std::strftime(buf, sizeof buf, "%Y-%m-%d %H:%M:%S", &tm);
  std::snprintf(buf + n, sizeof buf - n, ".%06d", int(timeUs % 1000000));
  return buf;
}

std::string FormatLinkEvent(const LinkEvent& e) {
  std::string out = LinkEventTime(e.TimeUs);
  out += '\t';
  out += LinkEventDirection(e.Kind);
  out += '\t';
  out += LinkEventName(e.Kind);
  if (e.Kind == LinkEventKind::Line) out += " " + std::to_string(e.TimeoutMs) + " ms";
  out += '\t';
  if (e.RoundTripUs >= 0) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.3f", double(e.RoundTripUs) / 1000.0);
    out += buf;
  }
  out += '\t';
  out += VisibleLinkText(e.Text);
  return out;
}

void LinkMonitor::Attach(LinkEventObserver* observer) {
  if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
    observers_.push_back(observer);
}

void LinkMonitor::Detach(LinkEventObserver* observer) { std::erase(observers_, observer); }

void LinkMonitor::OnLinkEvent(const LinkEvent& event) {
  switch (event.Kind) {
    case LinkEventKind::Line: lines_.fetch_add(1, std::memory_order_relaxed); break;
    case LinkEventKind::Reply: replies_.fetch_add(1, std::memory_order_relaxed); break;
    case LinkEventKind::TimeOut: timeOuts_.fetch_add(1, std::memory_order_relaxed); break;
    default: break;
  }
  for (LinkEventObserver* o : observers_) o->OnLinkEvent(event);
}

LinkMonitor::Counts LinkMonitor::Session() const {
  return {lines_.load(std::memory_order_relaxed), replies_.load(std::memory_order_relaxed),
          timeOuts_.load(std::memory_order_relaxed)};
}

void LinkMonitor::NewSession() {
  lines_ = 0;
  replies_ = 0;
  timeOuts_ = 0;
}

LinkLogFile::~LinkLogFile() { Close(); }

void LinkLogFile::Close() {
  if (writer_.joinable()) {
    {
      std::lock_guard lock(mu_);
      stopping_ = true;
    }
    wake_.notify_all();
    writer_.join();
  }
  Flush();
  std::scoped_lock lock(writeMu_, mu_);
  if (file_) std::fclose(file_);
  file_ = nullptr;
  stopping_ = false;
}

bool LinkLogFile::Open(const std::string& path, std::string* error) {
  Close();
  {
    std::scoped_lock lock(writeMu_, mu_);
    file_ = std::fopen(path.c_str(), "w");
  }
  if (!file_) {
    if (error) *error = "cannot write the link log " + path + ": " + std::strerror(errno);
    return false;
  }
  writer_ = std::thread([this] {
    std::unique_lock lock(mu_);
    while (!stopping_) {
      wake_.wait_for(lock, std::chrono::milliseconds(kWriteMs), [this] { return stopping_; });
      lock.unlock();
      Flush();
      lock.lock();
    }
  });
  return true;
}

void LinkLogFile::OnLinkEvent(const LinkEvent& event) {
  std::lock_guard lock(mu_);
  if (file_) queued_.push_back(event);
}

void LinkLogFile::Flush() {
  std::lock_guard write(writeMu_);
  {
    std::lock_guard lock(mu_);
    taken_.swap(queued_);
  }
  if (file_) {
    for (const LinkEvent& e : taken_) {
      std::string line = FormatLinkEvent(e);
      line += '\n';
      std::fwrite(line.data(), 1, line.size(), file_);
    }
    std::fflush(file_);
  }
  taken_.clear();
}

void LinkEventStore::OnLinkEvent(const LinkEvent& event) {
  std::lock_guard lock(mu_);
  queued_.push_back(event);
  if (queued_.size() > capacity_) queued_.pop_front();
}

std::vector<LinkEvent> LinkEventStore::TakeNew() {
  std::deque<LinkEvent> taken;
  {
    std::lock_guard lock(mu_);
    taken.swap(queued_);
  }
  return {std::make_move_iterator(taken.begin()), std::make_move_iterator(taken.end())};
}

size_t LinkEventStore::Overflow(size_t n) const {
  size_t total = kept_.size() + n;
  return total > capacity_ ? std::min(kept_.size(), total - capacity_) : 0;
}

void LinkEventStore::DropOldest(size_t n) {
  kept_.erase(kept_.begin(), kept_.begin() + long(std::min(n, kept_.size())));
}

void LinkEventStore::Append(std::vector<LinkEvent>&& events) {
  for (LinkEvent& e : events) kept_.push_back(std::move(e));
}

void LinkEventStore::Clear() {
  {
    std::lock_guard lock(mu_);
    queued_.clear();
  }
  kept_.clear();
}

}  // namespace vt
