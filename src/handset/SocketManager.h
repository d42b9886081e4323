// The host's link object, shared by voxhost and the plug-in (the host ABI).
// The host creates, connects and owns it; the module only reads and writes it.
// Plain C++: no Qt, so the core libraries and the tests use it as it is.
#pragma once

#include <cstdint>
#include <string>

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
};

}  // namespace vt
