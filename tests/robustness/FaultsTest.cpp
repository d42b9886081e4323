// Identification against socket managers that misbehave: every fault costs
// at most one link wait, ends on the right identity or the last known one,
// and says why. Plus the server's own answers to misbehaving clients.
#include <gtest/gtest.h>

#include <chrono>

#include "FaultyServer.h"
#include "../sockmgr/TestClients.h"
#include "handset/Handset.h"
#include "handset/Link.h"
#include "sockmgr/server/Server.h"

using namespace vt;
using vt::testing::Fault;

namespace {

constexpr int kWaitMs = 600;
constexpr int kMarginMs = 300;

struct Recorder : LinkObserver {
  std::string status;
  bool Waiting(const std::string&, int) override { return true; }
  void WaitOver() override {}
  void Status(const std::string& text) override { status = text; }
};

struct Outcome {
  ChipIdentity id;
  ApiFlagSet flags = 0;
  long long ms = 0;
  std::string status;
};

// The tab change (and, with `startup`, the default view picked first), as
// the frame runs them, against a server with `fault`.
Outcome Identify(Fault fault, bool startup, const std::optional<ChipIdentity>& known = {}) {
  ResetHandsetState();
  if (known) {
    SetChipType(known->chipType);
    SetLastKnownIdentity(*known);
    SetApiFlag(1, true);
  }
  vt::testing::FaultyServer server(fault);
  vt::testing::ModuleClient client(server.Port());
  Recorder recorder;
  client.link.Observer = &recorder;
  client.link.WaitMs = kWaitMs;
  client.Greet();
  SetLink(&client.link);
  Outcome out;
  auto start = std::chrono::steady_clock::now();
  {
    LinkBatch batch("Identifying the handset");
    if (startup) IdentifyChipQuick(3);
    out.id = IdentifyChip();
  }
  out.ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  out.flags = ApiFlags();
  out.status = recorder.status;
  SetLink(nullptr);
  return out;
}

const ChipIdentity kChip3{3, {3, 4, 8, 0}};     // what the faulty server's handset is
const ChipIdentity kDefault1{1, {5, 28, 0, 0}}; // chip type 1 defaults

}  // namespace

TEST(Faults, EveryFaultCostsOneWaitAtMostAndSaysSo) {
  const struct {
    Fault fault;
    const char* name;
  } faults[] = {{Fault::SilentAfterGreeting, "silent after greeting"},
                {Fault::SilentAfterWord1, "silent after word 1"},
                {Fault::NeverGrants, "never grants"},
                {Fault::Junk, "junk"},
                {Fault::ClosesAfterWord1, "closes after word 1"}};
  for (const auto& f : faults) {
    for (bool startup : {false, true}) {
      SCOPED_TRACE(std::string(f.name) + (startup ? ", start-up" : ", tab change"));
      Outcome o = Identify(f.fault, startup);
      std::printf("  %-22s %-11s %5lld ms\n", f.name, startup ? "start-up" : "tab change", o.ms);
      EXPECT_LT(o.ms, kWaitMs + kMarginMs);
      // Nothing known: the defaults of the chip type in force (3 after the
      // Q710 view was picked), never half-read words, no API flags.
      EXPECT_EQ(o.id.chipType, startup ? 3 : 1);
      EXPECT_TRUE(startup || o.id == kDefault1);
      EXPECT_EQ(o.flags, 0);
      EXPECT_NE(o.status.find("Handset identification could not finish"), std::string::npos)
          << o.status;
    }
  }
}

TEST(Faults, AnUnfinishedIdentificationKeepsTheLastKnownIdentity) {
  const ChipIdentity known{3, {3, 2, 8, 4}};
  Outcome o = Identify(Fault::SilentAfterWord1, false, known);
  EXPECT_EQ(o.id, known);
  EXPECT_EQ(o.flags, 0x01);  // the flags of that identification stay too
  EXPECT_NE(o.status.find("keeping the last known layout"), std::string::npos) << o.status;
  EXPECT_EQ(ChipConstants().Address(10), 15585);
}

TEST(Faults, RepliesSplitAcrossReceivesIdentifyCorrectly) {
  for (bool startup : {false, true}) {
    Outcome o = Identify(Fault::SplitReplies, startup);
    EXPECT_EQ(o.id, kChip3);
    EXPECT_EQ(o.flags, 0x1F);
    EXPECT_EQ(o.status, "");
  }
}

TEST(Server, AMalformedUartLineIsAnsweredNotDropped) {
  sockmgr::Server server;
  server.Start();
  vt::testing::RawClient c(server.Port());
  c.ReadUntil("Type query ");
  c.Send("0000->Request ");
  c.ReadUntil("Granted ");
  // A time-out field of three digits.
  c.Send("UART->100bbl peek 1\r\n");
  EXPECT_EQ(c.ReadUntil("Done "), "0000->Done ");
  c.Send("0000->?UART ");
  EXPECT_EQ(c.ReadUntil("\r\n"),
            "UART->error: bad time-out field \"100\": it needs at least 5 digits\r\n");
  EXPECT_EQ(server.CommandsCarried(), 0u);
}

TEST(Server, AnIdleOwnerLosesTheChannelAfterItsLease) {
  sockmgr::ServerOptions options;
  options.leaseSeconds = 1;
  sockmgr::Server server(options);
  server.Start();
  vt::testing::RawClient frozen(server.Port()), other(server.Port());
  frozen.ReadUntil("Type query ");
  other.ReadUntil("Type query ");
  frozen.Send("0000->Request ");
  frozen.ReadUntil("Granted ");
  other.Send("0000->Request ");  // queued behind the frozen owner
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(other.ReadUntil("Granted ", 4000), "0000->Granted ");
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(ms, 700);
  EXPECT_LT(ms, 2500);
  // The old owner's lines are refused now.
  frozen.Send("UART->01000bbl peek 1\r\n");
  EXPECT_EQ(frozen.ReadUntil("Denied "), "0000->Denied ");
}

TEST(Server, AClientThatGivesUpWaitingLeavesTheQueue) {
  sockmgr::Server server;
  server.Start();
  vt::testing::RawClient owner(server.Port()), quitter(server.Port());
  owner.ReadUntil("Type query ");
  quitter.ReadUntil("Type query ");
  owner.Send("0000->Request ");
  owner.ReadUntil("Granted ");
  quitter.Send("0000->Request ");
  ASSERT_TRUE(vt::testing::Eventually([&] { return server.WaitingIds().size() == 1; }));
  quitter.Send("0000->Release ");
  ASSERT_TRUE(vt::testing::Eventually([&] { return server.WaitingIds().empty(); }));
  owner.Send("0000->Release ");
  EXPECT_TRUE(vt::testing::Eventually([&] { return server.OwnerId() == 0; }));
}

TEST(Server, LongJunkIsLoggedByItsHeadAndSize) {
  std::string log = ::testing::TempDir() + "vt_junk_" + std::to_string(::getpid()) + ".log";
  std::remove(log.c_str());
  {
    sockmgr::ServerOptions options;
    options.logFile = log;
    sockmgr::Server server(options);
    server.Start();
    vt::testing::RawClient c(server.Port());
    c.ReadUntil("Type query ");
    c.Send(std::string(200000, '\x01'));
    ASSERT_TRUE(vt::testing::Eventually([&] { return server.MessagesDropped() > 0; }));
    c.Send("0000->Request ");
    c.ReadUntil("Granted ");
  }
  std::istringstream lines(vt::testing::ReadFile(log));
  size_t longest = 0;
  for (std::string line; std::getline(lines, line);) longest = std::max(longest, line.size());
  EXPECT_LT(longest, 500u);
  std::remove(log.c_str());
}
