// The module's side of the socket-manager protocol: taking and giving back
// the handset channel, sending one shell line, fetching the handset's answer,
// and absorbing the server's own messages. Everything runs in the GUI thread.
//
// Waits are bounded: each lasts at most the link's wait time, and exchanges
// are grouped in batches (an identification, a held burst of commands): once
// a wait of a batch has failed (no answer, link lost, cancelled by the user),
// the rest of the batch fails at once and sends nothing more, except the
// release that gives the channel back.
#pragma once

#include <string>

#include "handset/SocketManager.h"

namespace vt {

// The module-wide link pointer (set by _set_socket_manager).
SocketManager* Link();
void SetLink(SocketManager* link);

// True when the link exists and its socket is connected.
bool LinkUp(const SocketManager* link);
// False from a wait that got no answer until an exchange succeeds again.
bool LinkAnswering(const SocketManager* link);

// How long one wait for the server lasts (ms) when the link object does not
// say (its WaitMs is 0).
inline constexpr int kDefaultLinkWaitMs = 3000;
int LinkWaitMs();
void SetLinkWaitMs(int ms);
int LinkWaitMs(const SocketManager* link);

// A batch of exchanges under one name ("Identifying the handset"). Batches
// nest; the outermost one names the wait and its failure state covers all.
class LinkBatch {
 public:
  explicit LinkBatch(std::string operation);
  ~LinkBatch();
  LinkBatch(const LinkBatch&) = delete;
  LinkBatch& operator=(const LinkBatch&) = delete;
};
void BeginLinkBatch(const std::string& operation);
void EndLinkBatch();
// True while a wait runs (the observer may be running the host's events):
// link calls made meanwhile are refused.
bool LinkWaiting();
// True when a wait of the current batch has failed.
bool LinkBatchFailed();
// Why the last failed batch failed, as told to the user; empty when it did not.
const std::string& LinkFailure();

// A message for the user: in the host's status bar through the module-wide
// link's observer, on stderr when there is none.
void ReportStatus(const std::string& text);

// Back to a fresh connection's state: nothing buffered or owed, answering.
void ResetLinkState(SocketManager* link);

void RequestChannel(SocketManager* link);
void ReleaseChannel(SocketManager* link);
void SendUartCommand(SocketManager* link, const std::string& command, int timeoutMs);
std::string QueryUartReply(SocketManager* link);
// Waits until at least one whole message has come and been handled.
void WaitAndParse(SocketManager* link);
// Takes in received bytes and handles every whole message among them; an
// incomplete message waits in link->Received for the rest.
void ParseText(SocketManager* link, std::string received);
// Reads what is available on the socket and handles it.
void ParseIncoming(SocketManager* link);

// The time-out field of a "UART->" line: decimal, left-padded with "0" to
// five digits, longer values as they are.
std::string TimeoutField(int timeoutMs);

}  // namespace vt
