// Clients for the socket-manager tests: a raw TCP client that sends bytes as
// given and collects what comes back, and the module's own link (SocketManager
// over TcpClientSocket) as the plug-in uses it.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "handset/Link.h"
#include "handset/TcpClientSocket.h"
#include "tests/support/Files.h"

namespace vt::testing {

class RawClient {
 public:
  explicit RawClient(int port) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(uint16_t(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int one = 1;
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) Close();
    else ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  }
  ~RawClient() { Close(); }
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;

  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool Send(const std::string& text) {
    for (size_t done = 0; done < text.size();) {
      ssize_t n = fd_ < 0 ? -1 : ::send(fd_, text.data() + done, text.size() - done, MSG_NOSIGNAL);
      if (n <= 0) return false;
      done += size_t(n);
    }
    return true;
  }
  // Everything that arrives until nothing more came for quietMs (at most maxMs).
  std::string ReadQuiet(int quietMs = 150, int maxMs = 3000) { return Read("", quietMs, maxMs); }
  // Reads until `text` has arrived (or maxMs passed); returns all that came.
  std::string ReadUntil(const std::string& text, int maxMs = 3000) {
    return Read(text, maxMs, maxMs);
  }
  bool ClosedByPeer() const { return closedByPeer_; }

 private:
  std::string Read(const std::string& until, int waitMs, int maxMs) {
    using namespace std::chrono;
    std::string out;
    auto end = steady_clock::now() + milliseconds(maxMs);
    while (fd_ >= 0 && (until.empty() || out.find(until) == std::string::npos)) {
      auto left = duration_cast<milliseconds>(end - steady_clock::now()).count();
      pollfd p{fd_, POLLIN, 0};
      if (left <= 0 || ::poll(&p, 1, int(std::min<long long>(left, waitMs))) <= 0) break;
      char buf[4096];
      ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) {
        closedByPeer_ = true;
        break;
      }
      out.append(buf, size_t(n));
    }
    return out;
  }

  int fd_ = -1;
  bool closedByPeer_ = false;
};

// The plug-in's view: a SocketManager whose client socket is connected.
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
};

// True as soon as condition() holds, false when it still fails after ms.
template <typename F>
bool Eventually(F condition, int ms = 2000) {
  for (int i = 0; i < ms / 5 && !condition(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return condition();
}

}  // namespace vt::testing
