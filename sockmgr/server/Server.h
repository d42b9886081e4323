// voxsockmgr's server: owns the handset channel (emulated or a serial line),
// gives each TCP client an id, grants the channel to one client at a time in
// the order of their requests, carries the owner's shell lines and answers
// its "?UART" queries. Runs its network loop on a thread of its own, so tests
// of any subsystem can start one in-process on a free port.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sockmgr/server/Backend.h"

namespace vt::sockmgr {

struct ServerOptions {
  std::string host = "127.0.0.1";  // address to listen on
  uint16_t port = 0;               // 0: a free port (see Server::Port)
  std::string logFile;             // capture of every message in and out; empty: none
  size_t maxMessageBytes = 4096;   // longer unterminated input is dropped
  size_t maxQueuedMessages = 1024; // per client, beyond that messages are dropped
  size_t maxPendingOutput = 1 << 20;  // a client that reads nothing is cut off
  // An owner that has sent nothing for this long loses the channel (0: never).
  int leaseSeconds = 0;
};

class Server {
 public:
  // Without a back end the server emulates a chip-type-1 handset.
  explicit Server(ServerOptions options = {}, std::unique_ptr<HandsetBackend> backend = nullptr);
  ~Server();
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Binds, listens and starts the network thread. std::runtime_error when the
  // address cannot be used or the log file cannot be opened.
  void Start();
  // Closes every connection and joins the thread. Safe to call twice.
  void Stop();

  // The port actually listened on (after Start).
  uint16_t Port() const;
  const std::string& Host() const;

  HandsetBackend& Backend();
  // The emulated handset; std::logic_error when the back end is a real one.
  HandsetEmulator& Emulator();

  // Observation, for tests and diagnostics (thread-safe).
  int ClientCount() const;
  int OwnerId() const;                // client holding the channel, 0 when free
  std::vector<int> WaitingIds() const;  // queued requests, first come first
  uint64_t CommandsCarried() const;   // shell lines sent to the handset
  uint64_t CommandsRefused() const;   // shell lines of clients without the channel
  uint64_t MessagesDropped() const;   // unknown, truncated or excess input

 private:
  friend class Session;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vt::sockmgr
