// Test bench: the real socket-manager server in-process with the emulated
// handset, and the module-wide link connected to it over loopback TCP.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/Files.h"
#include "tests/support/Peers.h"
#include "sockmgr/server/Server.h"
#include "handset/Handset.h"

namespace vt::testing {

using Lines_ = std::vector<std::string>;

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
    client_ = std::make_unique<ModuleClient>(server_->Port());
    client_->Greet();  // the client id and the type query
    ASSERT_NE(client_->link.ClientId, 0);
    // Our unanswered "Type" message must not land in a test's capture.
    ASSERT_TRUE(Eventually([&] { return ReadWire().size() == 1; }, 1500));
    SetLink(&client_->link);
    Mark();
  }
  void Start(int chipType = 1) { Start(chipType, sockmgr::DefaultVersion(chipType)); }

  void Disconnect() {
    SetLink(nullptr);
    client_.reset();
    if (server_) server_->Stop();
    server_.reset();
    ResetHandsetState();
    SetLinkWaitMs(vt::kDefaultLinkWaitMs);
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
  Lines_ Lines() { return Handset().Lines(); }

  // Every message the server received since the mark, exactly as sent, with
  // CR and LF shown as "\r" and "\n".
  Lines_ Wire() {
    auto all = ReadWire();
    return {all.begin() + long(std::min(wireMark_, all.size())), all.end()};
  }

 private:
  Lines_ ReadWire() {
    Lines_ out;
    std::istringstream in(ReadBytes(logPath_));
    // "<date> <time> client <id> <direction> <text>"
    for (std::string line; std::getline(in, line);) {
      auto client = line.find(" client ");
      auto dir = client == std::string::npos ? client : line.find(' ', client + 8);
      if (dir != std::string::npos && line.compare(dir, 4, " in ") == 0)
        out.push_back(line.substr(dir + 4));
    }
    return out;
  }

  std::unique_ptr<sockmgr::Server> server_;
  std::unique_ptr<ModuleClient> client_;
  std::string logPath_;
  size_t wireMark_ = 0;
};

}  // namespace vt::testing
