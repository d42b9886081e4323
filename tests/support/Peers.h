// The two ends of the socket-manager link as tests play them, on loopback:
// ServerEnd is a server that writes what a test tells it and reads exactly
// what came in; ModuleClient is the module's own link (SocketManager over
// TcpClientSocket) as the plug-in uses it, which can also send raw bytes.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <algorithm>
#include <thread>

#include "handset/Link.h"
#include "handset/TcpClientSocket.h"

namespace vt::testing {

class ServerEnd {
 public:
  ServerEnd() {
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(listen_, 1);
    socklen_t len = sizeof a;
    ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~ServerEnd() {
    Close();
    ::close(listen_);
  }
  ServerEnd(const ServerEnd&) = delete;
  ServerEnd& operator=(const ServerEnd&) = delete;

  int Port() const { return port_; }
  bool Connected() const { return conn_ >= 0; }
  bool Accept(int waitMs = 2000) {
    pollfd p{listen_, POLLIN, 0};
    if (::poll(&p, 1, waitMs) == 1) conn_ = ::accept(listen_, nullptr, nullptr);
    return conn_ >= 0;
  }
  bool Send(const std::string& s) {
    return conn_ >= 0 && ::send(conn_, s.data(), s.size(), MSG_NOSIGNAL) == ssize_t(s.size());
  }
  // Everything the module sent so far (waits up to waitMs for the first
  // bytes); the connection is closed when the module has hung up.
  std::string Received(int waitMs = 200) {
    std::string out;
    char buf[4096];
    pollfd p{conn_, POLLIN, 0};
    while (conn_ >= 0 && ::poll(&p, 1, out.empty() ? waitMs : 20) == 1) {
      ssize_t n = ::recv(conn_, buf, sizeof buf, 0);
      if (n <= 0) {
        Close();
        break;
      }
      out.append(buf, size_t(n));
    }
    return out;
  }
  void Close() {
    if (conn_ >= 0) ::close(conn_);
    conn_ = -1;
  }

 private:
  int listen_ = -1, conn_ = -1, port_ = 0;
};

struct ModuleClient {
  TcpClientSocket socket;
  SocketManager link;

  explicit ModuleClient(int port) {
    link.ClientSocket = &socket;
    link.ClientType = "VoxTuner";
    link.ClientNumber = 7;
    link.ClientInfo = "Q7xx";
    std::string error;
    socket.Connect("127.0.0.1", port, 2000, &error);
  }
  // Takes in the greeting (id and type query) as the host does after connecting.
  void Greet() {
    for (int i = 0; i < 20 && link.ClientId == 0 && socket.Active(); ++i) WaitAndParse(&link);
  }
  // One read transaction as the module runs it.
  std::string Query(const std::string& line) {
    RequestChannel(&link);
    SendUartCommand(&link, line, 1000);
    std::string answer = QueryUartReply(&link);
    ReleaseChannel(&link);
    return answer;
  }

  // Raw bytes past the link, as a client other than the module sends them.
  void Send(const std::string& text) { socket.SendText(text); }
  // Everything that arrives until nothing more came for quietMs (at most maxMs).
  std::string ReadQuiet(int quietMs = 150, int maxMs = 3000) { return Read("", quietMs, maxMs); }
  // Reads until `text` has arrived (or maxMs passed); returns all that came.
  std::string ReadUntil(const std::string& text, int maxMs = 3000) { return Read(text, maxMs, maxMs); }

 private:
  std::string Read(const std::string& until, int waitMs, int maxMs) {
    using namespace std::chrono;
    std::string out;
    auto end = steady_clock::now() + milliseconds(maxMs);
    while (until.empty() || out.find(until) == std::string::npos) {
      auto left = duration_cast<milliseconds>(end - steady_clock::now()).count();
      if (left <= 0 || !socket.WaitForData(int(std::min<long long>(left, waitMs)))) break;
      std::string got = socket.ReceiveText();
      if (got.empty()) break;  // closed by the server
      out += got;
    }
    return out;
  }
};

// True as soon as condition() holds, false when it still fails after ms.
template <typename F>
bool Eventually(F condition, int ms = 2000) {
  for (int i = 0; i < ms / 5 && !condition(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return condition();
}

}  // namespace vt::testing
