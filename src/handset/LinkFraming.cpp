// Cutting the server's byte stream into whole messages. TCP keeps no message
// boundaries, so bytes are gathered in the link's receive buffer and a
// message is handled only once all of it is there:
//   control messages by their known lengths ("ID_a": up to the blank after
//   the id; unknown words: up to their first blank);
//   "UART", "GPLI", "PVAL" replies up to the next message head, or, at the end
//   of what has come, once they end in CR LF (the server sends nothing after
//   a reply until asked again);
//   "GPIB" replies by their announced length.
// Bytes that start no message are dropped up to the next message head.
#include <algorithm>
#include <array>

#include "common/Numbers.h"
#include "handset/Link.h"
#include "handset/LinkProtocol.h"

namespace vt {

namespace {

namespace p = protocol;

uint64_t g_messages = 0;
// A buffer that grows past this without making a message is dropped.
constexpr size_t kMaxBuffered = 1 << 20;

constexpr std::array<std::string_view, 5> kHeads = {p::kControlHead, p::kUartHead, p::kGpibHead,
                                                    p::kGpliWord, p::kPvalHead};

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// True when s is a proper beginning of a message head (more bytes may complete it).
bool MayBecomeHead(std::string_view s) {
  for (auto h : kHeads)
    if (s.size() < h.size() && h.compare(0, s.size(), s) == 0) return true;
  return false;
}

size_t NextHead(std::string_view s, size_t from) {
  size_t best = std::string_view::npos;
  for (auto h : kHeads) best = std::min(best, s.find(h, from));
  return best;
}

// Integer conversion that counts anything that is not a number as 0.
int32_t NumberOrZero(std::string_view text) {
  long long v = 0;
  if (!TryStrToInt(std::string(text), v)) return 0;
  return int32_t(v);
}

void Acknowledged(SocketManager* link) {
  if (link->DonesOwed > 0) --link->DonesOwed;
}

// A control message at the start of buf: its length, or 0 while incomplete.
size_t Control(SocketManager* link, std::string_view buf) {
  const size_t head = p::kControlHead.size();
  if (buf.size() < head + p::kKindLength) return 0;
  std::string_view word = buf.substr(head, p::kKindLength);
  auto fixed = [&](size_t length) { return buf.size() >= head + length ? head + length : 0; };
  if (word == p::kIdWord) {
    size_t blank = buf.find(' ', head + p::kIdHeadLength);
    if (blank == std::string_view::npos) return 0;
    size_t from = head + p::kIdHeadLength;
    link->ClientId = NumberOrZero(buf.substr(from, blank - from));
    return blank + 1;
  }
  if (word == p::kTypeWord) {
    size_t n = fixed(p::kTypeLength);
    if (n && link->ClientSocket)
      link->ClientSocket->SendText(std::string(p::kTypeAnswerHead) + link->ClientType + "," +
                                   std::to_string(link->ClientNumber) + "," + link->ClientInfo +
                                   " ");
    return n;
  }
  if (word == p::kGrantWord) {
    size_t n = fixed(p::kGrantLength);
    if (n) link->Granted = 1;
    return n;
  }
  if (word == p::kDoneWord) {
    size_t n = fixed(p::kDoneLength);
    if (n) Acknowledged(link);
    return n;
  }
  // A word we do not know: up to its blank ("Denied" answers a refused line).
  size_t blank = buf.find(' ', head);
  if (blank == std::string_view::npos) return 0;
  if (word == p::kDeniedWord) {
    ++link->Denials;
    Acknowledged(link);
  }
  return blank + 1;
}

// A text reply whose text starts `skip` characters in: its length, or 0.
size_t TextReply(SocketManager* link, std::string_view buf, size_t skip, bool isUart) {
  size_t end = NextHead(buf, std::min(skip, buf.size()));
  if (end == std::string_view::npos) {
    if (!buf.ends_with("\r\n")) return 0;
    end = buf.size();
  }
  link->ReplyText = std::string(buf.substr(std::min(skip, end), end - std::min(skip, end)));
  if (isUart && link->RepliesOwed > 0) --link->RepliesOwed;
  return end;
}

// A counted reply: the header must be whole; the text may come later.
size_t Counted(SocketManager* link, std::string_view buf) {
  const size_t head = p::kGpibHead.size();
  size_t colon = buf.find(':', head);
  if (colon == std::string_view::npos) return 0;
  link->BytesExpected = NumberOrZero(buf.substr(head, colon - head));
  link->ReplyText.clear();
  link->ReplyPending = link->BytesExpected > link->BytesReceived;
  return colon + 1;
}

// Completes a counted reply with what is there.
size_t CountedText(SocketManager* link, std::string_view buf) {
  size_t want = size_t(std::max(0, link->BytesExpected - link->BytesReceived));
  size_t n = std::min(want, buf.size());
  link->ReplyText.append(buf.substr(0, n));
  link->BytesReceived += int32_t(n);
  link->ReplyPending = link->BytesExpected > link->BytesReceived;
  return n;
}

// The next whole message at the start of buf, handled: its length; 0 while it
// is incomplete. `junk` tells bytes dropped from a real message.
size_t HandleOne(SocketManager* link, std::string_view buf, bool& junk) {
  junk = false;
  if (link->ReplyPending) return CountedText(link, buf);
  if (StartsWith(buf, p::kControlHead)) return Control(link, buf);
  if (StartsWith(buf, p::kUartHead)) return TextReply(link, buf, p::kUartHead.size(), true);
  if (StartsWith(buf, p::kGpibHead)) return Counted(link, buf);
  if (StartsWith(buf, p::kGpliWord)) return TextReply(link, buf, p::kGpliSkip, false);
  if (StartsWith(buf, p::kPvalHead)) return TextReply(link, buf, p::kPvalHead.size(), false);
  if (MayBecomeHead(buf)) return 0;
  junk = true;
  // Junk: up to the next head, or all but a tail that may grow into one.
  size_t next = NextHead(buf, 1);
  if (next != std::string_view::npos) return next;
  for (size_t keep = std::min<size_t>(5, buf.size() - 1); keep > 0; --keep)
    if (MayBecomeHead(buf.substr(buf.size() - keep))) return buf.size() - keep;
  return buf.size();
}

}  // namespace

uint64_t LinkMessagesHandled() { return g_messages; }

void ParseText(SocketManager* link, std::string received) {
  std::string& buf = link->Received;
  buf += received;
  size_t done = 0;
  while (done < buf.size()) {
    bool junk = false;
    size_t n = HandleOne(link, std::string_view(buf).substr(done), junk);
    if (n == 0) break;
    done += n;
    if (!junk) ++g_messages;
  }
  buf.erase(0, done);
  if (buf.size() > kMaxBuffered) buf.clear();
}

}  // namespace vt
