// The socket-manager server over real TCP on loopback: greeting, grant and
// queueing, release on disconnect, the lease, shell lines carried to the
// emulated handset, refusals and malformed input.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "tests/support/Files.h"
#include "tests/support/Peers.h"
#include "sockmgr/server/Server.h"
#include "handset/ShellLines.h"

using vt::sockmgr::FirmwareVersion;
using vt::sockmgr::Server;
using vt::sockmgr::ServerOptions;
using vt::testing::Eventually;
using vt::testing::ModuleClient;

namespace {

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override { vt::SetLinkWaitMs(3000); }
  void TearDown() override { vt::SetLinkWaitMs(vt::kDefaultLinkWaitMs); }
  void StartServer(ServerOptions options = {}, int chip = 1,
                   FirmwareVersion v = vt::sockmgr::DefaultVersion(1)) {
    server_ = std::make_unique<Server>(options,
                                       std::make_unique<vt::sockmgr::EmulatedBackend>(chip, v));
    server_->Start();
    port_ = server_->Port();
  }
  // A client sending raw bytes that has taken in its greeting.
  std::unique_ptr<ModuleClient> Raw() {
    auto c = std::make_unique<ModuleClient>(port_);
    c->ReadUntil("Type query ");
    return c;
  }
  std::unique_ptr<Server> server_;
  int port_ = 0;
};

}  // namespace

TEST_F(ServerTest, GreetingAndALogOfEveryMessageWithTheClientId) {
  std::string path = std::string(VT_BINARY_DIR) + "/sockmgr_server_test.log";
  std::remove(path.c_str());
  ServerOptions options;
  options.logFile = path;
  StartServer(options);
  {
    ModuleClient raw(port_);
    EXPECT_EQ(raw.ReadQuiet(), "0000->ID_assign 1 0000->Type query ");
    ModuleClient module(port_);
    module.Greet();
    EXPECT_EQ(module.link.ClientId, 2);
    EXPECT_TRUE(Eventually([&] { return server_->ClientCount() == 2; }));
    module.Query("bbl peek 4168\r\n");
    // Junk is logged by its head and size, however long it is.
    raw.Send("zz\x01" + std::string(200000, '\x01') + "0000->Request ");
    EXPECT_EQ(raw.ReadUntil("Granted "), "0000->Granted ");
  }
  server_->Stop();
  std::string log = vt::testing::ReadBytes(path);
  std::istringstream lines(log);
  size_t longest = 0;
  for (std::string line; std::getline(lines, line);) longest = std::max(longest, line.size());
  EXPECT_LT(longest, 500u);
  for (const char* part : {"client 1 out 0000->ID_assign 1 0000->Type query ",
                           "client 2 in 0000->Type:VoxTuner,7,Q7xx ",
                           "client 2 in UART->01000bbl peek 4168\\r\\n",
                           "client 2 to handset bbl peek 4168\\r\\n",
                           "client 2 from handset peek [4168]: 0x0000\\r\\n",
                           "client 2 out UART->peek [4168]: 0x0000\\r\\n",
                           "client 1 dropped zz\\x01", "client 2 disconnect"})
    EXPECT_NE(log.find(part), std::string::npos) << part << "\n" << log;
  std::remove(path.c_str());
}

// Queued clients that vanish or give up waiting leave the queue; an owner
// that vanishes hands the channel on.
TEST_F(ServerTest, RequestsQueueFirstComeFirstServed) {
  StartServer();
  ModuleClient a(port_);
  a.Greet();
  vt::RequestChannel(&a.link);
  EXPECT_EQ(a.link.Granted, 1u);
  auto b = Raw(), c = Raw(), d = Raw(), e = Raw();
  size_t queued = 0;
  for (ModuleClient* client : {b.get(), c.get(), d.get(), e.get()}) {
    client->Send("0000->Request ");
    ++queued;
    ASSERT_TRUE(Eventually([&] { return server_->WaitingIds().size() == queued; }));
  }
  ASSERT_EQ(server_->WaitingIds(), (std::vector<int>{2, 3, 4, 5}));
  // B's shell line waits behind its request; nothing comes yet.
  b->Send("UART->01000bbl peek 100\r\n");
  EXPECT_EQ(b->ReadQuiet(200), "");
  EXPECT_EQ(server_->OwnerId(), 1);
  d->socket.Close();  // a queued client vanishes
  e->Send("0000->Release ");  // another gives up waiting
  ASSERT_TRUE(Eventually([&] { return server_->WaitingIds() == std::vector<int>{2, 3}; }));

  vt::ReleaseChannel(&a.link);
  EXPECT_EQ(b->ReadUntil("Done "), "0000->Granted 0000->Done ");
  EXPECT_EQ(server_->OwnerId(), 2);
  EXPECT_EQ(server_->CommandsRefused(), 0u);
  EXPECT_EQ(c->ReadQuiet(200), "");
  b->socket.Close();  // the owner vanishes
  EXPECT_EQ(c->ReadUntil("Granted "), "0000->Granted ");
  EXPECT_EQ(server_->OwnerId(), 3);
  EXPECT_TRUE(Eventually([&] { return server_->ClientCount() == 3; }));
}

TEST_F(ServerTest, AnIdleOwnerLosesTheChannelAfterItsLease) {
  ServerOptions options;
  options.leaseSeconds = 1;
  StartServer(options);
  auto frozen = Raw(), other = Raw();
  frozen->Send("0000->Request ");
  frozen->ReadUntil("Granted ");
  other->Send("0000->Request ");  // queued behind the frozen owner
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(other->ReadUntil("Granted ", 4000), "0000->Granted ");
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(ms, 700);
  EXPECT_LT(ms, 2500);
}

TEST_F(ServerTest, EveryLineIsAcknowledgedAndNothingFollowsTheReply) {
  StartServer();
  auto raw = Raw(), fresh = Raw();
  // All in one segment; the answer is complete before anything else.
  raw->Send("0000->Request UART->01000bbl poke 7000 5\r\nUART->01000bbl peek 7000\r\n0000->?UART ");
  EXPECT_EQ(raw->ReadQuiet(300), "0000->Granted 0000->Done 0000->Done UART->peek [7000]: 0x0005\r\n");
  raw->Send("0000->?UART ");  // asked again: the same answer
  EXPECT_EQ(raw->ReadQuiet(), "UART->peek [7000]: 0x0005\r\n");
  raw->Send("0000->Release ");
  EXPECT_EQ(raw->ReadQuiet(), "0000->Done ");
  EXPECT_EQ(server_->CommandsCarried(), 2u);
  EXPECT_EQ(server_->OwnerId(), 0);
  // A client that had no line carried gets an empty, but not a missing, reply.
  fresh->Send("0000->?UART ");
  EXPECT_EQ(fresh->ReadQuiet(), "UART->\r\n");
  // A malformed line is acknowledged and its error is the reply.
  raw->Send("0000->Request UART->100bbl peek 1\r\n0000->?UART ");
  EXPECT_EQ(raw->ReadUntil("\r\n"), "0000->Granted 0000->Done UART->error: bad time-out field "
                                     "\"100\": it needs at least 5 digits\r\n");
  EXPECT_EQ(server_->CommandsCarried(), 2u);
}

TEST_F(ServerTest, LinesWithoutTheChannelAreRefused) {
  StartServer();
  ModuleClient owner(port_);
  owner.Greet();
  vt::RequestChannel(&owner.link);
  auto intruder = Raw();
  intruder->Send("UART->01000bbl poke 100 5\r\n");
  EXPECT_EQ(intruder->ReadQuiet(), "0000->Denied ");
  intruder->Send("0000->?UART ");
  EXPECT_EQ(intruder->ReadQuiet(), "UART->error: channel not granted\r\n");
  intruder->Send("0000->Release ");  // releasing what one does not hold changes nothing
  EXPECT_EQ(intruder->ReadQuiet(), "0000->Done ");
  EXPECT_EQ(server_->Emulator().Memory(100), 0u);
  EXPECT_EQ(server_->CommandsRefused(), 1u);
  EXPECT_EQ(server_->OwnerId(), 1);
  // The owner is not disturbed.
  vt::SendUartCommand(&owner.link, "bbl peek 100\r\n", 1000);
  EXPECT_EQ(vt::QueryUartReply(&owner.link), "peek [100]: 0x0000\r\n");
}

TEST_F(ServerTest, StartFailuresAreReported) {
  StartServer();
  ServerOptions inUse, badHost, badLog;
  inUse.port = uint16_t(port_);
  badHost.host = "no.such.host.invalid";
  badLog.logFile = "/nonexistent/dir/x.log";
  for (const ServerOptions& bad : {inUse, badHost, badLog})
    EXPECT_THROW(Server(bad).Start(), std::runtime_error) << bad.host << bad.port << bad.logFile;
}
