#include "sockmgr/server/MessageSplitter.h"

#include <algorithm>

#include "handset/LinkProtocol.h"

namespace vt::sockmgr {

namespace {

constexpr std::string_view kControl = protocol::kControlHead;
constexpr std::string_view kUart = protocol::kUartHead;

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// True when s is a proper beginning of prefix (more input may complete it).
bool Begins(std::string_view s, std::string_view prefix) {
  return s.size() < prefix.size() && prefix.compare(0, s.size(), s) == 0;
}

}  // namespace

size_t MessageSplitter::NextMarker(size_t from) const {
  return std::min(buf_.find(kControl, from), buf_.find(kUart, from));
}

Message MessageSplitter::Take(MessageKind kind, size_t n) {
  Message m;
  m.kind = kind;
  m.raw = buf_.substr(0, n);
  buf_.erase(0, n);
  return m;
}

// Cuts off unusable input up to the next message prefix at or after `from`;
// without one, everything except a tail that may grow into a prefix.
Message MessageSplitter::Drop(size_t from) {
  size_t end = NextMarker(from);
  if (end == std::string::npos) {
    end = buf_.size();
    for (size_t keep = std::min<size_t>(5, buf_.size() - 1); keep > 0; --keep) {
      std::string_view tail(buf_.data() + buf_.size() - keep, keep);
      if (Begins(tail, kControl) || Begins(tail, kUart)) {
        end = buf_.size() - keep;
        break;
      }
    }
  }
  return Take(MessageKind::Unknown, end);
}

std::optional<Message> MessageSplitter::Next() {
  if (buf_.empty()) return std::nullopt;
  if (StartsWith(buf_, kControl)) return Control();
  if (StartsWith(buf_, kUart)) return Uart();
  if (Begins(buf_, kControl) || Begins(buf_, kUart)) return std::nullopt;
  return Drop(1);
}

std::optional<Message> MessageSplitter::Control() {
  std::string_view rest = std::string_view(buf_).substr(kControl.size());
  static const std::pair<std::string_view, MessageKind> kFixed[] = {
      {protocol::kRequest.substr(kControl.size()), MessageKind::Request},
      {protocol::kRelease.substr(kControl.size()), MessageKind::Release},
      {protocol::kQueryUart.substr(kControl.size()), MessageKind::QueryUart},
  };
  for (const auto& [word, kind] : kFixed) {
    if (StartsWith(rest, word)) return Take(kind, kControl.size() + word.size());
    if (Begins(rest, word)) return std::nullopt;
  }
  constexpr std::string_view kType = protocol::kTypeAnswerHead.substr(kControl.size());
  if (Begins(rest, kType)) return std::nullopt;
  if (!StartsWith(rest, kType)) return Drop(kControl.size());

  // "Type:" type "," number "," info " "
  size_t start = kControl.size() + kType.size();
  size_t comma1 = buf_.find(',', start);
  size_t comma2 = comma1 == std::string::npos ? comma1 : buf_.find(',', comma1 + 1);
  size_t blank = comma2 == std::string::npos ? comma2 : buf_.find(' ', comma2 + 1);
  size_t marker = NextMarker(kControl.size());
  if (blank == std::string::npos || (marker != std::string::npos && marker < blank)) {
    if (marker != std::string::npos || buf_.size() > max_) return Drop(kControl.size());
    return std::nullopt;
  }
  if (blank + 1 > max_) return Drop(kControl.size());
  Message m;
  m.kind = MessageKind::TypeAnswer;
  m.clientType = buf_.substr(start, comma1 - start);
  m.clientNumber = buf_.substr(comma1 + 1, comma2 - comma1 - 1);
  m.clientInfo = buf_.substr(comma2 + 1, blank - comma2 - 1);
  m.raw = buf_.substr(0, blank + 1);
  buf_.erase(0, blank + 1);
  return m;
}

std::optional<Message> MessageSplitter::Uart() {
  size_t i = kUart.size();
  long long timeout = 0;
  while (i < buf_.size() && buf_[i] >= '0' && buf_[i] <= '9') {
    timeout = std::min(timeout * 10 + (buf_[i] - '0'), 1000000000LL);
    ++i;
  }
  if (i == buf_.size()) {
    if (buf_.size() > max_) return Drop(kUart.size());
    return std::nullopt;
  }
  const bool shortField = i - kUart.size() < protocol::kTimeoutDigits;
  size_t crlf = buf_.find("\r\n", i);
  size_t marker = NextMarker(i);
  size_t end;
  if (crlf != std::string::npos && (marker == std::string::npos || crlf < marker)) {
    end = crlf + 2;
  } else if (marker != std::string::npos) {
    end = marker;  // a line without its terminator, cut by the next message
  } else {
    if (buf_.size() > max_) return Drop(kUart.size());
    return std::nullopt;
  }
  Message m;
  m.kind = MessageKind::Uart;
  if (shortField)
    m.error = "bad time-out field \"" + buf_.substr(kUart.size(), i - kUart.size()) +
              "\": it needs at least " + std::to_string(protocol::kTimeoutDigits) + " digits";
  if (end > max_) {
    m.error = "line too long (" + std::to_string(end) + " bytes, at most " + std::to_string(max_) + ")";
    m.raw = buf_.substr(0, end);  // the session log cuts what it shows of it
    buf_.erase(0, end);
    return m;
  }
  m.timeoutMs = int(timeout);
  m.line = buf_.substr(i, end - i);
  m.raw = buf_.substr(0, end);
  buf_.erase(0, end);
  return m;
}

}  // namespace vt::sockmgr
