// Cuts a client's byte stream into protocol messages. Nothing on the wire
// marks where a message ends, so each is recognised by its prefix: the fixed
// control messages "0000->Request ", "0000->Release ", "0000->?UART ", the
// type answer "0000->Type:<type>,<number>,<info> " (up to the blank after its
// third field) and "UART->" + a time-out of five or more digits + a shell line
// up to its "\r\n". A "UART->" line with a bad time-out field or too long is
// still cut out as a Uart message, with `error` saying what is wrong, so that
// it can be answered. Other input that fits none of these is cut off up to the
// next message prefix and reported as Unknown.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vt::sockmgr {

enum class MessageKind { Request, Release, QueryUart, TypeAnswer, Uart, Unknown };

struct Message {
  MessageKind kind = MessageKind::Unknown;
  std::string raw;          // the bytes the message took
  // Uart: the time-out field and the shell line (with its "\r\n" when sent).
  int timeoutMs = 0;
  std::string line;
  std::string error;        // Uart: why the line cannot be carried; empty when it can
  // TypeAnswer: the three fields.
  std::string clientType, clientNumber, clientInfo;
};

class MessageSplitter {
 public:
  explicit MessageSplitter(size_t maxMessageBytes = 4096) : max_(maxMessageBytes) {}

  void Feed(std::string_view data) { buf_.append(data); }
  // The next complete message, or nothing while the rest is (the start of) an
  // incomplete one.
  std::optional<Message> Next();
  size_t Buffered() const { return buf_.size(); }

 private:
  std::optional<Message> Control();
  std::optional<Message> Uart();
  Message Drop(size_t from);
  Message Take(MessageKind kind, size_t n);
  size_t NextMarker(size_t from) const;

  std::string buf_;
  size_t max_;
};

}  // namespace vt::sockmgr
