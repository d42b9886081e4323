// What the link tells whoever watches it: one event per message it sends to
// the socket manager, per answer it waits for, and per wait that fails.
// Plain C++ shared by the host and the plug-in: the plug-in publishes through
// the link object's Events pointer, the host implements the observer.
#pragma once

#include <cstdint>
#include <string>

namespace vt {

enum class LinkEventKind : uint8_t {
  Request,    // "Request" sent: the channel is asked for
  Granted,    // the server granted the channel
  Release,    // "Release" sent
  Released,   // the server acknowledged the release
  Line,       // a shell line sent to the handset, with its time-out
  LineDone,   // the server says the handset has taken the line
  LineDenied, // the server refused the line: the channel is not this client's
  Query,      // "?UART": the handset's answer is asked for
  Reply,      // the handset's answer
  TimeOut,    // no answer within the wait time
  Dropped,    // the connection to the socket manager went down
  Cancelled,  // the user cancelled the wait
};

struct LinkEvent {
  LinkEventKind Kind = LinkEventKind::Line;
  int64_t TimeUs = 0;        // wall clock, microseconds since the epoch
  int64_t RoundTripUs = -1;  // answers: since what they answer was sent; -1 for the rest
  int32_t TimeoutMs = 0;     // Line: its time-out; TimeOut: the wait that ran out
  std::string Text;          // the line, the reply, or why the wait failed
};

class LinkEventObserver {
 public:
  virtual ~LinkEventObserver() = default;
  // Called in the thread that drives the link (the GUI thread), while the
  // link waits: it must return at once (append and go).
  virtual void OnLinkEvent(const LinkEvent& event) = 0;
};

}  // namespace vt
