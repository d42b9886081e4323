#include "sockmgr/server/Server.h"

#include <asio.hpp>
#include <atomic>
#include <deque>
#include <map>
#include <optional>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "handset/LinkProtocol.h"
#include "sockmgr/server/MessageSplitter.h"
#include "sockmgr/server/SessionLog.h"

namespace vt::sockmgr {

using asio::ip::tcp;

namespace {
// Replies. Only the prefixes and the character counts matter to the module.
const std::string kIdHead(protocol::kIdAssign);
const std::string kTypeQuery(protocol::kTypeQuery);
const std::string kGranted(protocol::kGranted);
const std::string kDone(protocol::kDone);
const std::string kDenied(protocol::kDenied);
const std::string kUartHead(protocol::kUartHead);
const std::string kNotGranted = "error: channel not granted\r\n";
// Every "UART->" reply ends in CR LF, so that a client can tell it is whole.
std::string Framed(std::string answer) {
  if (answer.size() < 2 || answer.compare(answer.size() - 2, 2, "\r\n") != 0) answer += "\r\n";
  return answer;
}
}  // namespace

class Session;

struct Server::Impl {
  ServerOptions options;
  std::unique_ptr<HandsetBackend> backend;
  SessionLog log;
  asio::io_context io;
  tcp::acceptor acceptor{io};
  std::thread thread;
  // Slow back ends (a real line) run here, one line at a time.
  asio::io_context workerIo;
  std::optional<asio::executor_work_guard<asio::io_context::executor_type>> workerGuard;
  std::thread worker;
  uint16_t port = 0;
  bool started = false;
  int nextId = 1;

  // Channel state: touched on the network thread, read by observers.
  mutable std::mutex mu;
  std::map<int, std::shared_ptr<Session>> sessions;
  int owner = 0;
  std::deque<int> waiting;

  std::atomic<uint64_t> carried{0}, refused{0}, dropped{0};
  asio::steady_timer leaseTimer{io};

  void Accept();
  void WatchLease();
  // True when the channel went to `id` at once; false when it is queued.
  bool Request(int id);
  void Release(int id);
  void Remove(int id);
  void GrantNext();  // with mu held
  void RunLine(const std::shared_ptr<Session>& s, std::string line, int timeoutMs);
};

class Session : public std::enable_shared_from_this<Session> {
 public:
  Session(Server::Impl& server, tcp::socket socket, int id)
      : server_(server), socket_(std::move(socket)), id_(id),
        splitter_(server.options.maxMessageBytes) {}

  int Id() const { return id_; }
  // True while a shell line of this client runs on the handset.
  bool Busy() const { return busy_; }
  std::chrono::steady_clock::time_point LastHeard() const { return lastHeard_; }
  // The channel was taken back from this client.
  void LeaseExpired() { server_.log.Write(id_, "lease", "idle owner: channel released"); }

  void Start() {
    asio::error_code ec;
    auto peer = socket_.remote_endpoint(ec);
    server_.log.Write(id_, "connect", ec ? std::string("?") : peer.address().to_string() + ":" +
                                                                std::to_string(peer.port()));
    socket_.set_option(tcp::no_delay(true), ec);
    Send(kIdHead + std::to_string(id_) + " " + kTypeQuery);
    Read();
  }

  void Close() {
    if (closed_) return;
    closed_ = true;
    asio::error_code ec;
    socket_.shutdown(tcp::socket::shutdown_both, ec);
    socket_.close(ec);
    server_.log.Write(id_, "disconnect", "");
    server_.Remove(id_);
  }

  // The channel, asked for earlier, is now this client's.
  void Granted() {
    if (closed_ || !waitingGrant_) return;  // gave up waiting meanwhile
    waitingGrant_ = false;
    lastHeard_ = std::chrono::steady_clock::now();  // the lease starts with the grant
    Send(kGranted);
    Pump();
  }

  // The handset answered a line of this client.
  void LineDone(std::string answer) {
    busy_ = false;
    if (closed_) return;
    last_ = std::move(answer);
    Send(kDone);
    Pump();
  }

 private:
  void Read() {
    auto self = shared_from_this();
    socket_.async_read_some(asio::buffer(buf_), [this, self](asio::error_code ec, size_t n) {
      if (ec) {
        Close();
        return;
      }
      lastHeard_ = std::chrono::steady_clock::now();
      splitter_.Feed(std::string_view(buf_, n));
      while (auto m = splitter_.Next()) {
        if (m->kind == MessageKind::Unknown) {
          server_.dropped++;
          server_.log.Write(id_, "dropped", m->raw);
        } else if (m->kind == MessageKind::Release && waitingGrant_) {
          // A client that gives up waiting for the channel leaves the queue now.
          server_.log.Write(id_, "in", m->raw);
          waitingGrant_ = false;
          server_.Release(id_);
          Send(kDone);
        } else if (inbox_.size() >= server_.options.maxQueuedMessages) {
          server_.dropped++;
          server_.log.Write(id_, "dropped (queue full)", m->raw);
        } else {
          inbox_.push_back(std::move(*m));
        }
      }
      Pump();
      if (!closed_) Read();
    });
  }

  // Handles queued messages in order until one has to wait (for the channel
  // or for the handset).
  void Pump() {
    while (!closed_ && !busy_ && !waitingGrant_ && !inbox_.empty()) {
      Message m = std::move(inbox_.front());
      inbox_.pop_front();
      Handle(m);
    }
  }

  void Handle(const Message& m) {
    server_.log.Write(id_, "in", m.raw);
    switch (m.kind) {
      case MessageKind::Request:
        if (server_.Request(id_)) {
          Send(kGranted);
        } else {
          waitingGrant_ = true;
          server_.log.Write(id_, "queued", "request waits for the channel");
        }
        break;
      case MessageKind::Release:
        server_.Release(id_);
        Send(kDone);
        break;
      case MessageKind::QueryUart:
        // Nothing may follow this reply until the client speaks again.
        Send(kUartHead + Framed(last_));
        break;
      case MessageKind::TypeAnswer:
        clientType_ = m.clientType;
        break;
      case MessageKind::Uart:
        if (!m.error.empty()) {
          // Answered, not dropped: the client is waiting for its "Done".
          server_.refused++;
          server_.log.Write(id_, "refused", m.error);
          last_ = "error: " + m.error + "\r\n";
          Send(kDone);
        } else if (OwnsChannel()) {
          busy_ = true;
          server_.RunLine(shared_from_this(), m.line, m.timeoutMs);
        } else {
          server_.refused++;
          server_.log.Write(id_, "refused", "the channel is not granted to this client");
          last_ = kNotGranted;
          Send(kDenied);
        }
        break;
      case MessageKind::Unknown:
        break;
    }
  }

  bool OwnsChannel() const {
    std::lock_guard lock(server_.mu);
    return server_.owner == id_;
  }

  void Send(std::string text) {
    if (closed_) return;
    server_.log.Write(id_, "out", text);
    pending_ += text.size();
    if (pending_ > server_.options.maxPendingOutput) {
      server_.log.Write(id_, "error", "client reads nothing, cut off");
      Close();
      return;
    }
    outbox_.push_back(std::move(text));
    if (outbox_.size() == 1) Write();
  }

  void Write() {
    auto self = shared_from_this();
    asio::async_write(socket_, asio::buffer(outbox_.front()),
                      [this, self](asio::error_code ec, size_t) {
                        if (ec) {
                          Close();
                          return;
                        }
                        pending_ -= outbox_.front().size();
                        outbox_.pop_front();
                        if (!outbox_.empty() && !closed_) Write();
                      });
  }

  Server::Impl& server_;
  tcp::socket socket_;
  int id_;
  MessageSplitter splitter_;
  char buf_[4096];
  std::deque<Message> inbox_;
  std::deque<std::string> outbox_;
  size_t pending_ = 0;
  bool closed_ = false;
  bool busy_ = false;
  bool waitingGrant_ = false;
  std::string last_;
  std::string clientType_;
  std::chrono::steady_clock::time_point lastHeard_ = std::chrono::steady_clock::now();
};

void Server::Impl::Accept() {
  acceptor.async_accept([this](asio::error_code ec, tcp::socket socket) {
    if (ec) {
      if (ec == asio::error::operation_aborted || !acceptor.is_open()) return;
      log.Write(0, "error", "accept: " + ec.message());
    } else {
      auto s = std::make_shared<Session>(*this, std::move(socket), nextId++);
      {
        std::lock_guard lock(mu);
        sessions[s->Id()] = s;
      }
      s->Start();
    }
    Accept();
  });
}

bool Server::Impl::Request(int id) {
  std::lock_guard lock(mu);
  if (owner == id) return true;
  if (owner == 0 && waiting.empty()) {
    owner = id;
    return true;
  }
  for (int w : waiting)
    if (w == id) return false;
  waiting.push_back(id);
  return false;
}

void Server::Impl::GrantNext() {
  while (owner == 0 && !waiting.empty()) {
    int next = waiting.front();
    waiting.pop_front();
    auto it = sessions.find(next);
    if (it == sessions.end()) continue;
    owner = next;
    auto s = it->second;
    asio::post(io, [s] { s->Granted(); });
  }
}

void Server::Impl::Release(int id) {
  std::lock_guard lock(mu);
  // A client that gave up waiting leaves the queue.
  std::erase(waiting, id);
  if (owner != id) return;
  owner = 0;
  GrantNext();
}

void Server::Impl::Remove(int id) {
  std::lock_guard lock(mu);
  sessions.erase(id);
  std::erase(waiting, id);
  if (owner == id) {
    owner = 0;
    GrantNext();
  }
}

void Server::Impl::RunLine(const std::shared_ptr<Session>& s, std::string line, int timeoutMs) {
  carried++;
  int id = s->Id();
  log.Write(id, "to handset", line);
  if (!backend->Slow()) {
    std::string answer = backend->Execute(line, timeoutMs);
    log.Write(id, "from handset", answer);
    s->LineDone(std::move(answer));
    return;
  }
  asio::post(workerIo, [this, s, id, line = std::move(line), timeoutMs] {
    std::string answer = backend->Execute(line, timeoutMs);
    log.Write(id, "from handset", answer);
    asio::post(io, [s, answer = std::move(answer)]() mutable { s->LineDone(std::move(answer)); });
  });
}

void Server::Impl::WatchLease() {
  if (options.leaseSeconds <= 0) return;
  leaseTimer.expires_after(std::chrono::milliseconds(std::max(50, options.leaseSeconds * 250)));
  leaseTimer.async_wait([this](asio::error_code ec) {
    if (ec) return;
    std::shared_ptr<Session> idle;
    {
      std::lock_guard lock(mu);
      auto it = owner ? sessions.find(owner) : sessions.end();
      if (it != sessions.end() && !it->second->Busy() &&
          std::chrono::steady_clock::now() - it->second->LastHeard() >=
              std::chrono::seconds(options.leaseSeconds))
        idle = it->second;
    }
    if (idle) {
      idle->LeaseExpired();
      Release(idle->Id());
    }
    WatchLease();
  });
}

Server::Server(ServerOptions options, std::unique_ptr<HandsetBackend> backend)
    : impl_(std::make_unique<Impl>()) {
  impl_->options = std::move(options);
  impl_->backend = backend ? std::move(backend) : std::make_unique<EmulatedBackend>(1);
}

Server::~Server() { Stop(); }

void Server::Start() {
  Impl& d = *impl_;
  if (d.started) return;
  std::string error;
  if (!d.options.logFile.empty() && !d.log.Open(d.options.logFile, &error))
    throw std::runtime_error(error);
  asio::error_code ec;
  tcp::resolver resolver(d.io);
  auto results = resolver.resolve(d.options.host, std::to_string(d.options.port),
                                  tcp::resolver::passive | tcp::resolver::numeric_service, ec);
  if (ec || results.empty())
    throw std::runtime_error("cannot resolve " + d.options.host + ": " + ec.message());
  tcp::endpoint ep = results.begin()->endpoint();
  d.acceptor.open(ep.protocol(), ec);
  if (!ec) d.acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
  if (!ec) d.acceptor.bind(ep, ec);
  if (!ec) d.acceptor.listen(asio::socket_base::max_listen_connections, ec);
  if (ec) {
    asio::error_code ignored;
    d.acceptor.close(ignored);
    throw std::runtime_error("cannot listen on " + d.options.host + ":" +
                             std::to_string(d.options.port) + ": " + ec.message());
  }
  d.port = d.acceptor.local_endpoint().port();
  d.log.Write(0, "start", "listening on " + d.options.host + ":" + std::to_string(d.port) +
                              ", " + d.backend->Describe());
  d.Accept();
  d.WatchLease();
  d.started = true;
  d.workerGuard.emplace(d.workerIo.get_executor());
  d.worker = std::thread([&d] { d.workerIo.run(); });
  d.thread = std::thread([&d] { d.io.run(); });
}

void Server::Stop() {
  Impl& d = *impl_;
  if (!d.started) return;
  d.started = false;
  asio::post(d.io, [&d] {
    asio::error_code ec;
    d.acceptor.close(ec);
    d.leaseTimer.cancel();
    std::map<int, std::shared_ptr<Session>> all;
    {
      std::lock_guard lock(d.mu);
      all = d.sessions;
    }
    for (auto& [id, s] : all) s->Close();
    d.io.stop();
  });
  if (d.thread.joinable()) d.thread.join();
  d.workerGuard.reset();
  d.workerIo.stop();
  if (d.worker.joinable()) d.worker.join();
  d.log.Write(0, "stop", "");
}

uint16_t Server::Port() const { return impl_->port; }
const std::string& Server::Host() const { return impl_->options.host; }
HandsetBackend& Server::Backend() { return *impl_->backend; }

HandsetEmulator& Server::Emulator() {
  HandsetEmulator* e = impl_->backend->Emulator();
  if (!e) throw std::logic_error("the socket manager drives a real handset, not the emulator");
  return *e;
}

int Server::ClientCount() const {
  std::lock_guard lock(impl_->mu);
  return int(impl_->sessions.size());
}

int Server::OwnerId() const {
  std::lock_guard lock(impl_->mu);
  return impl_->owner;
}

std::vector<int> Server::WaitingIds() const {
  std::lock_guard lock(impl_->mu);
  return {impl_->waiting.begin(), impl_->waiting.end()};
}

uint64_t Server::CommandsCarried() const { return impl_->carried; }
uint64_t Server::CommandsRefused() const { return impl_->refused; }
uint64_t Server::MessagesDropped() const { return impl_->dropped; }

}  // namespace vt::sockmgr
