// The server's end of one loopback TCP connection, played by a test: it
// writes what a server would send and reads exactly what the module sent.
#pragma once

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

namespace vt::testing {

class Peer {
 public:
  Peer() {
    listen_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(listen_, 1);
    socklen_t len = sizeof a;
    ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~Peer() {
    if (conn_ >= 0) ::close(conn_);
    ::close(listen_);
  }
  int Port() const { return port_; }
  void Accept() { conn_ = ::accept(listen_, nullptr, nullptr); }
  void Send(const std::string& s) { ASSERT_EQ(::send(conn_, s.data(), s.size(), 0), ssize_t(s.size())); }
  // Everything the module sent so far (waits briefly for it to arrive).
  std::string Received(int waitMs = 200) {
    std::string out;
    char buf[4096];
    pollfd p{conn_, POLLIN, 0};
    while (::poll(&p, 1, out.empty() ? waitMs : 20) == 1) {
      ssize_t n = ::recv(conn_, buf, sizeof buf, 0);
      if (n <= 0) break;
      out.append(buf, size_t(n));
    }
    return out;
  }
  void Close() {
    ::close(conn_);
    conn_ = -1;
  }

 private:
  int listen_ = -1, conn_ = -1, port_ = 0;
};

}  // namespace vt::testing
