// The host's link object, shared by voxhost and the plug-in (the host ABI).
// The host creates, connects and owns it; the module only reads and writes it.
// Plain C++: no Qt, so the core libraries and the tests use it as it is.
#pragma once

#include <cstdint>
#include <string>

#include "handset/LinkEvents.h"

namespace vt {

// The host's client socket: one TCP connection to the socket-manager server.
class ClientSocketApi {
 public:
  virtual ~ClientSocketApi() = default;
  // True while the connection to the server is up.
  virtual bool Active() const = 0;
  // Sends the whole text; a failure drops the connection (Active() turns false).
  virtual void SendText(const std::string& text) = 0;
  // Waits up to timeoutMs for received data (or the peer closing); true when
  // there is something to read.
  virtual bool WaitForData(int timeoutMs) = 0;
  // Everything received so far and not yet read; empty when nothing is there.
  virtual std::string ReceiveText() = 0;
};

// Told by the module about its waits for the server, so that the host can keep
// its window alive, show what is going on and let the user cancel.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  // Called every few tens of milliseconds while a batch of link exchanges
  // waits; `operation` names the batch, `elapsedMs` counts from its start.
  // The host may process its events here (the module refuses link calls
  // made meanwhile). Returning false cancels the batch.
  virtual bool Waiting(const std::string& operation, int elapsedMs) = 0;
  // The batch that Waiting was called for has ended.
  virtual void WaitOver() = 0;
  // A message for the user about the link ("the handset is not answering").
  virtual void Status(const std::string& text) = 0;
};

struct SocketManager {
  ClientSocketApi* ClientSocket = nullptr;
  int32_t Reserved = 0;         // not used by the module
  int32_t ClientId = 0;         // assigned by the server ("ID_a")
  std::string ClientType;       // first field of the "Type" answer (filled by the host)
  std::string ClientInfo;       // third field of the "Type" answer (filled by the host)
  int32_t ClientNumber = 0;     // second field of the "Type" answer (filled by the host)
  uint32_t Granted = 0;         // 1 after the server's grant, 0 after a release
  std::string ReplyText;        // the last channel reply
  int32_t BytesReceived = 0;    // bytes of a counted reply received so far
  int32_t BytesExpected = 0;    // length announced by a counted reply
  bool ReplyPending = false;    // a counted reply is still incomplete

  // Added by this host to the original object.
  int32_t WaitMs = 0;           // longest wait for one answer (ms); 0: the module's default
  LinkObserver* Observer = nullptr;  // may be null
  std::string Received;         // received bytes that do not yet make a whole message
  int32_t RepliesOwed = 0;      // "?UART" queries sent and not answered yet
  int32_t DonesOwed = 0;        // lines and releases sent and not acknowledged yet
  bool Answering = true;        // false from a missed answer until an exchange succeeds
  int32_t Denials = 0;          // lines the server refused ("Denied") so far
  LinkEventObserver* Events = nullptr;  // told of every exchange; may be null
};

}  // namespace vt
