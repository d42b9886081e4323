#include "handset/Link.h"

#include <chrono>
#include <cstdio>
#include <functional>
#include <utility>

#include "handset/LinkProtocol.h"

namespace vt {

uint64_t LinkMessagesHandled();  // LinkFraming.cpp

namespace {

using Clock = std::chrono::steady_clock;

SocketManager* g_link = nullptr;
int g_waitMs = kDefaultLinkWaitMs;

// The running batch (GUI thread only).
struct BatchState {
  int depth = 0;
  bool failed = false;
  bool observed = false;  // the observer was told about this batch
  std::string operation;
  Clock::time_point start;
  SocketManager* link = nullptr;  // the link whose observer was told
};
BatchState g_batch;
std::string g_failure;
bool g_waiting = false;  // a wait is running: nested link calls are refused

// How often the observer hears from a running wait.
constexpr int kObserverPeriodMs = 40;

int ElapsedMs(Clock::time_point since) {
  return int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

// Tells the link's monitor, if any. `sent` is when what this answers was sent.
void Publish(const SocketManager* link, LinkEventKind kind, std::string text = {},
             int32_t timeoutMs = 0, const Clock::time_point* sent = nullptr) {
  if (!link->Events) return;
  using std::chrono::microseconds;
  // Wall time from the steady clock and the offset between the two, taken
  // once: one clock reading per event.
  static const microseconds wallOffset =
      std::chrono::duration_cast<microseconds>(
          std::chrono::system_clock::now().time_since_epoch()) -
      std::chrono::duration_cast<microseconds>(Clock::now().time_since_epoch());
  const Clock::time_point now = Clock::now();
  LinkEvent e;
  e.Kind = kind;
  e.TimeUs =
      (std::chrono::duration_cast<microseconds>(now.time_since_epoch()) + wallOffset).count();
  if (sent) e.RoundTripUs = std::chrono::duration_cast<microseconds>(now - *sent).count();
  e.TimeoutMs = timeoutMs;
  e.Text = std::move(text);
  link->Events->OnLinkEvent(e);
}

// Usable for a new exchange: up, not inside another wait, batch not failed.
bool Usable(SocketManager* link) { return LinkUp(link) && !g_waiting && !g_batch.failed; }

void Fail(SocketManager* link, LinkEventKind kind, const std::string& why, int waitMs = 0) {
  Publish(link, kind, why, waitMs);
  if (g_batch.depth > 0) g_batch.failed = true;
  link->Answering = false;
  std::string operation = g_batch.depth > 0 ? g_batch.operation : std::string("Link exchange");
  g_failure = operation + " stopped: " + why;
  if (link->Observer) link->Observer->Status(g_failure);
}

void Succeeded(SocketManager* link) {
  if (!link->Answering && link->Observer) link->Observer->Status("The handset link answers again");
  link->Answering = true;
}

// Reads and handles messages until done() holds. False when the wait ran
// out, the link went down or the user cancelled; the batch then fails.
bool WaitUntil(SocketManager* link, const std::function<bool()>& done) {
  if (done()) return true;
  if (!LinkUp(link)) {
    // Sending what this waits for dropped the connection.
    if (link) Publish(link, LinkEventKind::Dropped, "the link to the socket manager is down");
    return false;
  }
  if (g_batch.failed || g_waiting) return false;
  g_waiting = true;
  struct Reset {
    ~Reset() { g_waiting = false; }
  } reset;
  const int limit = LinkWaitMs(link);
  const Clock::time_point start = Clock::now();
  Clock::time_point told = start;
  const bool inBatch = g_batch.depth > 0;
  bool toldHere = false;
  // Outside a batch the wait itself is what the observer was told about.
  struct Over {
    SocketManager* link;
    const bool& told;
    ~Over() {
      if (told && link->Observer) link->Observer->WaitOver();
    }
  } over{link, toldHere};
  while (LinkUp(link)) {
    int left = limit - ElapsedMs(start);
    if (left <= 0) break;
    if (link->ClientSocket->WaitForData(std::min(left, kObserverPeriodMs))) {
      ParseIncoming(link);
      if (done()) {
        Succeeded(link);
        return true;
      }
    }
    if (link->Observer && ElapsedMs(told) >= kObserverPeriodMs) {
      told = Clock::now();
      if (inBatch) {
        g_batch.observed = true;
        g_batch.link = link;
      }
      else toldHere = true;
      const std::string& op = inBatch ? g_batch.operation : std::string();
      if (!link->Observer->Waiting(op, ElapsedMs(inBatch ? g_batch.start : start))) {
        Fail(link, LinkEventKind::Cancelled, "cancelled by the user");
        return false;
      }
    }
  }
  if (!LinkUp(link)) {
    Fail(link, LinkEventKind::Dropped, "the link to the socket manager is down");
  } else {
    Fail(link, LinkEventKind::TimeOut,
         "no answer from the socket manager within " + std::to_string(limit) + " ms", limit);
  }
  return false;
}

}  // namespace

SocketManager* Link() { return g_link; }
void SetLink(SocketManager* link) { g_link = link; }
int LinkWaitMs() { return g_waitMs; }
void SetLinkWaitMs(int ms) { g_waitMs = ms > 0 ? ms : kDefaultLinkWaitMs; }
int LinkWaitMs(const SocketManager* link) {
  return link && link->WaitMs > 0 ? link->WaitMs : g_waitMs;
}

bool LinkUp(const SocketManager* link) {
  return link && link->ClientSocket && link->ClientSocket->Active();
}

bool LinkAnswering(const SocketManager* link) { return link && link->Answering; }

LinkBatch::LinkBatch(std::string operation) { BeginLinkBatch(operation); }
LinkBatch::~LinkBatch() { EndLinkBatch(); }

void BeginLinkBatch(const std::string& operation) {
  if (g_batch.depth++ > 0) return;
  g_batch.failed = false;
  g_batch.observed = false;
  g_batch.operation = operation;
  g_batch.start = Clock::now();
  g_failure.clear();
  // Whatever came in since the last batch (late answers, server messages)
  // is handled now, so that it cannot pass for an answer of this batch.
  if (LinkUp(g_link) && !g_waiting && g_link->ClientSocket->WaitForData(0)) ParseIncoming(g_link);
}

void EndLinkBatch() {
  if (g_batch.depth == 0 || --g_batch.depth > 0) return;
  SocketManager* link = g_batch.link;
  if (g_batch.observed && link && link->Observer) link->Observer->WaitOver();
  g_batch = {};
}

bool LinkWaiting() { return g_waiting; }
bool LinkBatchFailed() { return g_batch.failed; }
const std::string& LinkFailure() { return g_failure; }

void ReportStatus(const std::string& text) {
  if (g_link && g_link->Observer) g_link->Observer->Status(text);
  else std::fprintf(stderr, "VoxTuner: %s\n", text.c_str());
}

void ResetLinkState(SocketManager* link) {
  if (!link) return;
  link->Received.clear();
  link->RepliesOwed = 0;
  link->DonesOwed = 0;
  link->ReplyPending = false;
  link->Answering = true;
}

std::string TimeoutField(int timeoutMs) {
  std::string digits = std::to_string(timeoutMs);
  if (digits.size() < protocol::kTimeoutDigits)
    digits.insert(0, protocol::kTimeoutDigits - digits.size(), '0');
  return digits;
}

void ParseIncoming(SocketManager* link) {
  if (!LinkUp(link)) return;
  ParseText(link, link->ClientSocket->ReceiveText());
}

void WaitAndParse(SocketManager* link) {
  const uint64_t before = LinkMessagesHandled();
  WaitUntil(link, [before] { return LinkMessagesHandled() != before; });
}

void RequestChannel(SocketManager* link) {
  if (!Usable(link)) return;
  link->Granted = 0;
  const Clock::time_point sent = Clock::now();
  link->ClientSocket->SendText(std::string(protocol::kRequest));
  Publish(link, LinkEventKind::Request);
  if (WaitUntil(link, [link] { return link->Granted == 1; }))
    Publish(link, LinkEventKind::Granted, {}, 0, &sent);
}

void ReleaseChannel(SocketManager* link) {
  // Sent even after a failure in the batch: a late grant must not keep the
  // channel from the other clients. Only its acknowledgement is not awaited.
  if (!LinkUp(link) || g_waiting) return;
  const Clock::time_point sent = Clock::now();
  link->ClientSocket->SendText(std::string(protocol::kRelease));
  Publish(link, LinkEventKind::Release);
  ++link->DonesOwed;
  if (!g_batch.failed && WaitUntil(link, [link] { return link->DonesOwed == 0; }))
    Publish(link, LinkEventKind::Released, {}, 0, &sent);
  link->Granted = 0;
}

void SendUartCommand(SocketManager* link, const std::string& command, int timeoutMs) {
  if (!Usable(link)) return;
  const Clock::time_point sent = Clock::now();
  link->ClientSocket->SendText(std::string(protocol::kUartHead) + TimeoutField(timeoutMs) + command);
  Publish(link, LinkEventKind::Line, command, timeoutMs);
  const int32_t denials = link->Denials;
  ++link->DonesOwed;
  if (WaitUntil(link, [link] { return link->DonesOwed == 0; }))
    Publish(link, link->Denials != denials ? LinkEventKind::LineDenied : LinkEventKind::LineDone,
            {}, 0, &sent);
}

std::string QueryUartReply(SocketManager* link) {
  if (!Usable(link)) return {};
  const Clock::time_point sent = Clock::now();
  link->ClientSocket->SendText(std::string(protocol::kQueryUart));
  Publish(link, LinkEventKind::Query);
  ++link->RepliesOwed;
  link->ReplyText.clear();
  // Replies to earlier, abandoned queries come first and are passed over.
  if (!WaitUntil(link, [link] { return link->RepliesOwed == 0; })) return {};
  Publish(link, LinkEventKind::Reply, link->ReplyText, 0, &sent);
  return link->ReplyText;
}

}  // namespace vt
