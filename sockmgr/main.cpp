// voxsockmgr: the socket-manager server. Shares a handset's serial debug line
// (or the built-in emulated handset) among TCP clients.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "sockmgr/server/Server.h"
#include "handset/TcpClientSocket.h"

namespace {

constexpr const char* kDefaultListen = "127.0.0.1:5005";

int WaitForSignal() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  int sig = 0;
  sigwait(&set, &sig);
  return sig;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vt::sockmgr;
  CLI::App app{"voxsockmgr - socket manager for the handset's debug line"};
  std::string listen = kDefaultListen;
  bool emulate = false;
  int chip = 1;
  std::string version;
  SerialOptions serial;
  std::string logFile;
  app.add_option("--listen", listen, "HOST:PORT to listen on; port 0 picks a free port")
      ->capture_default_str();
  auto* emulateOpt = app.add_flag("--emulate", emulate, "use the built-in emulated handset (default)");
  app.add_option("--chip", chip, "emulated chip type")->check(CLI::IsMember({1, 3}))->capture_default_str();
  app.add_option("--version", version, "emulated firmware version A.B.C.D "
                                       "(default 5.28.0.0 for chip 1, 3.4.8.0 for chip 3)");
  auto* serialOpt = app.add_option("--serial", serial.device, "the handset's serial device");
  app.add_option("--baud", serial.baud, "serial speed")->capture_default_str();
  app.add_option("--prompt", serial.prompt, "shell prompt that ends an answer on the serial line");
  app.add_option("--quiet-gap", serial.quietGapMs, "ms of silence that end an answer")
      ->check(CLI::Range(1, 60000))->capture_default_str();
  app.add_option("--log", logFile, "capture every message in and out to this file");
  int lease = 0;
  app.add_option("--lease", lease, "release the channel of an owner that has sent nothing for "
                                   "this many seconds (0: never)")
      ->check(CLI::Range(0, 86400))->capture_default_str();
  serialOpt->excludes(emulateOpt);
  CLI11_PARSE(app, argc, argv);

  ServerOptions options;
  int port = 0;
  if (!vt::SplitHostPort(listen, options.host, port)) {
    std::cerr << "voxsockmgr: --listen wants HOST:PORT, not \"" << listen << "\"\n";
    return 2;
  }
  options.port = uint16_t(port);
  options.logFile = logFile;
  options.leaseSeconds = lease;

  // Signals are taken by sigwait below, on no other thread.
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &set, nullptr);

  std::unique_ptr<HandsetBackend> backend;
  try {
    if (!serial.device.empty()) {
      backend = std::make_unique<SerialBackend>(serial);
    } else {
      FirmwareVersion v = DefaultVersion(chip);
      if (!version.empty() && !FirmwareVersion::Parse(version, v)) {
        std::cerr << "voxsockmgr: --version wants A.B.C.D (A, D 0..255, B 0..4095, C 0..15), not \""
                  << version << "\"\n";
        return 2;
      }
      backend = std::make_unique<EmulatedBackend>(chip, v);
    }
    std::string description = backend->Describe();
    Server server(options, std::move(backend));
    server.Start();
    std::cout << "voxsockmgr listening on " << options.host << ":" << server.Port() << std::endl;
    std::cout << "handset: " << description << std::endl;
    int sig = WaitForSignal();
    std::cout << "voxsockmgr stopping (" << (sig == SIGINT ? "SIGINT" : "SIGTERM") << ")"
              << std::endl;
    server.Stop();
  } catch (const std::exception& e) {
    std::cerr << "voxsockmgr: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
