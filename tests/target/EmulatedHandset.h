// Test bench: the real socket-manager server in-process with the emulated
// handset, and the module-wide link connected to it over loopback TCP.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include "sockmgr/server/Server.h"
#include "target/Handset.h"
#include "target/Link.h"
#include "target/TcpClientSocket.h"

namespace vt::testing {

class EmulatedHandset : public ::testing::Test {
 protected:
  void TearDown() override { Disconnect(); }

  // Starts a server emulating the given chip and firmware and connects the
  // module-wide link to it.
  void Start(int chipType, const sockmgr::FirmwareVersion& version) {
    ResetHandsetState();
    SetLinkWaitMs(3000);
    logPath_ = ::testing::TempDir() + "vt_target_" + std::to_string(::getpid()) + ".log";
    std::remove(logPath_.c_str());
    sockmgr::ServerOptions options;
    options.logFile = logPath_;
    server_ = std::make_unique<sockmgr::Server>(
        options, std::make_unique<sockmgr::EmulatedBackend>(chipType, version));
    server_->Start();
    std::string error;
    ASSERT_TRUE(socket_.Connect("127.0.0.1", server_->Port(), 3000, &error)) << error;
    link_ = SocketManager{};
    link_.ClientSocket = &socket_;
    link_.ClientType = "VoxTuner";
    link_.ClientNumber = 1;
    link_.ClientInfo = "tests";
    // Take the greeting (client id and type query) before the first command.
    while (link_.ClientId == 0 && socket_.WaitForData(3000)) ParseIncoming(&link_);
    ASSERT_NE(link_.ClientId, 0);
    // The server answers nothing to our "Type" message: wait until it has
    // taken it, so that it does not land in a test's capture.
    for (int i = 0; i < 300 && ReadWire().empty(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_EQ(ReadWire().size(), 1u);
    SetLink(&link_);
    Mark();
  }
  void Start(int chipType = 1) { Start(chipType, sockmgr::DefaultVersion(chipType)); }

  void Disconnect() {
    SetLink(nullptr);
    socket_.Close();
    if (server_) server_->Stop();
    server_.reset();
    ResetHandsetState();
    SetLinkWaitMs(100000);
    if (!logPath_.empty()) std::remove(logPath_.c_str());
  }

  // The server goes away; the link object stays as it is.
  void StopServer() { server_->Stop(); }

  sockmgr::HandsetEmulator& Handset() { return server_->Emulator(); }

  // From here on, Lines() and Wire() report only what follows.
  void Mark() {
    Handset().ClearLines();
    wireMark_ = ReadWire().size();
  }

  // Shell lines the handset received since the mark, line ends removed.
  std::vector<std::string> Lines() { return Handset().Lines(); }

  // Every message the server received since the mark, exactly as sent, with
  // CR and LF shown as "\r" and "\n".
  std::vector<std::string> Wire() {
    auto all = ReadWire();
    return {all.begin() + long(std::min(wireMark_, all.size())), all.end()};
  }

 private:
  std::vector<std::string> ReadWire() {
    std::vector<std::string> out;
    std::ifstream in(logPath_);
    std::string line;
    while (std::getline(in, line)) {
      // "<date> <time> client <id> <direction> <text>"
      auto client = line.find(" client ");
      if (client == std::string::npos) continue;
      auto dir = line.find(' ', client + 8);
      if (dir != std::string::npos && line.compare(dir, 4, " in ") == 0)
        out.push_back(line.substr(dir + 4));
    }
    return out;
  }

  std::unique_ptr<sockmgr::Server> server_;
  TcpClientSocket socket_;
  SocketManager link_;
  std::string logPath_;
  size_t wireMark_ = 0;
};

}  // namespace vt::testing
