// Shell commands per second through voxsockmgr's server against the emulated
// handset on loopback, beside a bare TCP echo round trip with the same client
// socket. A full transaction (request, "UART->", "?UART", release) is four
// round trips; a command under a held channel is two.
#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

#include "sockmgr/server/Server.h"
#include "handset/Link.h"
#include "handset/ShellLines.h"
#include "handset/TcpClientSocket.h"

namespace {

struct Module {
  vt::TcpClientSocket socket;
  vt::SocketManager link;
  explicit Module(int port) {
    link.ClientSocket = &socket;
    link.ClientType = "bench";
    socket.Connect("127.0.0.1", port, 2000, nullptr);
    while (link.ClientId == 0 && socket.Active()) vt::WaitAndParse(&link);
  }
};

// One-connection echo server on a thread of its own.
class EchoServer {
 public:
  EchoServer() {
    listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(listen_, 1);
    socklen_t len = sizeof a;
    ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] {
      int c = ::accept(listen_, nullptr, nullptr);
      int one = 1;
      ::setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
      char buf[4096];
      ssize_t n;
      while ((n = ::recv(c, buf, sizeof buf, 0)) > 0) ::send(c, buf, size_t(n), MSG_NOSIGNAL);
      ::close(c);
    });
  }
  ~EchoServer() {
    thread_.join();
    ::close(listen_);
  }
  int Port() const { return port_; }

 private:
  int listen_ = -1;
  int port_ = 0;
  std::thread thread_;
};

void BM_BareTcpEchoRoundTrip(benchmark::State& state) {
  EchoServer echo;
  {
    vt::TcpClientSocket client;
    client.Connect("127.0.0.1", echo.Port(), 2000, nullptr);
    const std::string message = "UART->01000bbl peek 4168\r\n";
    for (auto _ : state) {
      client.SendText(message);
      size_t got = 0;
      while (got < message.size() && client.WaitForData(2000)) got += client.ReceiveText().size();
      benchmark::DoNotOptimize(got);
    }
    state.counters["round_trips/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  }
}
BENCHMARK(BM_BareTcpEchoRoundTrip)->UseRealTime();

void BM_ShellTransaction(benchmark::State& state) {
  vt::sockmgr::Server server;
  server.Start();
  Module m(server.Port());
  int32_t value = 0;
  for (auto _ : state) {
    vt::RequestChannel(&m.link);
    vt::SendUartCommand(&m.link, "bbl peek 4168\r\n", 1000);
    value += vt::ParseColonValue(vt::QueryUartReply(&m.link));
    vt::ReleaseChannel(&m.link);
  }
  benchmark::DoNotOptimize(value);
  state.counters["commands/s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  server.Stop();
}
BENCHMARK(BM_ShellTransaction)->UseRealTime();

void BM_ShellCommandHeldChannel(benchmark::State& state) {
  vt::sockmgr::Server server;
  server.Start();
  Module m(server.Port());
  vt::RequestChannel(&m.link);
  int32_t value = 0;
  for (auto _ : state) {
    vt::SendUartCommand(&m.link, "bbl aurdm 4 87\r\n", 1000);
    value += vt::ParseBracketValue(vt::QueryUartReply(&m.link));
  }
  benchmark::DoNotOptimize(value);
  vt::ReleaseChannel(&m.link);
  state.counters["commands/s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  server.Stop();
}
BENCHMARK(BM_ShellCommandHeldChannel)->UseRealTime();

}  // namespace
