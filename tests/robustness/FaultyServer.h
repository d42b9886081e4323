// A socket-manager server that misbehaves on purpose: it speaks the protocol
// with a chip-type-3 emulated handset behind it, but can fall silent, never
// grant the channel, answer junk, or hang up in the middle of an identification.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

#include "sockmgr/emulator/HandsetEmulator.h"
#include "sockmgr/server/MessageSplitter.h"

namespace vt::testing {

enum class Fault {
  None,
  SilentAfterGreeting,  // greets, then never answers
  SilentAfterWord1,     // answers the first identification word, then nothing
  NeverGrants,          // a request stays queued for ever; lines are refused
  Junk,                 // every answer is replaced by junk bytes
  ClosesAfterWord1,     // hangs up right after the first identification word
};

class FaultyServer {
 public:
  explicit FaultyServer(Fault fault, int chipType = 3)
      : fault_(fault), handset_(chipType) {
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(listen_, 1);
    socklen_t len = sizeof a;
    ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { Run(); });
  }
  ~FaultyServer() {
    stop_ = true;
    thread_.join();
    if (conn_ >= 0) ::close(conn_);
    ::close(listen_);
  }
  FaultyServer(const FaultyServer&) = delete;
  FaultyServer& operator=(const FaultyServer&) = delete;

  int Port() const { return port_; }

 private:
  void Run() {
    pollfd p{listen_, POLLIN, 0};
    while (!stop_ && ::poll(&p, 1, 20) <= 0) {}
    if (stop_) return;
    conn_ = ::accept(listen_, nullptr, nullptr);
    int one = 1;
    ::setsockopt(conn_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    Send("0000->ID_assign 1 0000->Type query ", true);
    sockmgr::MessageSplitter splitter;
    std::string answer;
    char buf[4096];
    while (!stop_ && conn_ >= 0) {
      pollfd c{conn_, POLLIN, 0};
      if (::poll(&c, 1, 20) <= 0) continue;
      ssize_t n = ::recv(conn_, buf, sizeof buf, 0);
      if (n <= 0) break;
      splitter.Feed(std::string_view(buf, size_t(n)));
      while (auto m = splitter.Next()) {
        switch (m->kind) {
          case sockmgr::MessageKind::Request:
            if (fault_ != Fault::NeverGrants) Send("0000->Granted ");
            break;
          case sockmgr::MessageKind::Release:
            Send("0000->Done ");
            break;
          case sockmgr::MessageKind::Uart:
            if (fault_ == Fault::NeverGrants) {
              answer = "error: channel not granted\r\n";
              Send("0000->Denied ");
              break;
            }
            answer = handset_.Execute(m->line);
            Send("0000->Done ");
            break;
          case sockmgr::MessageKind::QueryUart:
            Send("UART->" + answer);
            ++queries_;
            if (fault_ == Fault::ClosesAfterWord1) {
              ::close(conn_);
              conn_ = -1;
            }
            break;
          default:
            break;
        }
        if (conn_ < 0) break;
      }
    }
  }

  void Send(std::string text, bool greeting = false) {
    if (conn_ < 0) return;
    if (!greeting) {
      if (fault_ == Fault::SilentAfterGreeting) return;
      if (fault_ == Fault::SilentAfterWord1 && queries_ >= 1) return;
      if (fault_ == Fault::Junk) text = "\x01\x7f#junk@ ";
    }
    Write(text);
  }
  void Write(const std::string& s) {
    if (conn_ >= 0) (void)::send(conn_, s.data(), s.size(), MSG_NOSIGNAL);
  }

  Fault fault_;
  sockmgr::HandsetEmulator handset_;
  int listen_ = -1, conn_ = -1, port_ = 0;
  std::atomic<int> queries_{0};
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace vt::testing
