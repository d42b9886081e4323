// A blocking TCP client on POSIX sockets and poll(): the client socket the
// host hands to the module inside its SocketManager.
#pragma once

#include <string>

#include "handset/SocketManager.h"

namespace vt {

class TcpClientSocket : public ClientSocketApi {
 public:
  TcpClientSocket() = default;
  ~TcpClientSocket() override;
  TcpClientSocket(const TcpClientSocket&) = delete;
  TcpClientSocket& operator=(const TcpClientSocket&) = delete;

  // Connects to host:port within timeoutMs. On failure returns false and
  // `error` says why; the socket stays inactive.
  bool Connect(const std::string& host, int port, int timeoutMs, std::string* error);
  void Close();

  bool Active() const override { return fd_ >= 0; }
  void SendText(const std::string& text) override;
  bool WaitForData(int timeoutMs) override;
  std::string ReceiveText() override;

  // Notices a peer that has closed without consuming any data; returns Active().
  bool CheckPeerClosed();

  // Why the connection ended, when it ended by itself (peer closed, error).
  const std::string& LastError() const { return lastError_; }

 private:
  int fd_ = -1;
  std::string lastError_;
};

// "HOST:PORT" -> host and port; false when the text is not of that form.
bool SplitHostPort(const std::string& text, std::string& host, int& port);

}  // namespace vt
