// Identification against socket managers that misbehave: every fault costs
// at most one link wait, ends on the right identity or the last known one,
// and says why.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "handset/Handset.h"
#include "handset/Link.h"
#include "sockmgr/emulator/HandsetEmulator.h"
#include "sockmgr/server/MessageSplitter.h"
#include "tests/support/Peers.h"

using namespace vt;

namespace {

enum class Fault {
  SilentAfterGreeting,  // greets, then never answers
  SilentAfterWord1,     // answers the first identification word, then nothing
  NeverGrants,          // a request stays queued for ever; lines are refused
  Junk,                 // every answer is replaced by junk bytes
  ClosesAfterWord1,     // hangs up right after the first identification word
};

// A socket manager with a chip-type-3 emulated handset behind it that
// misbehaves with `fault`.
class FaultyServer {
 public:
  explicit FaultyServer(Fault fault) : fault_(fault), thread_([this] { Run(); }) {}
  ~FaultyServer() {
    stop_ = true;
    thread_.join();
  }
  int Port() const { return end_.Port(); }

 private:
  void Run() {
    if (!end_.Accept()) return;
    end_.Send("0000->ID_assign 1 0000->Type query ");
    sockmgr::MessageSplitter splitter;
    sockmgr::HandsetEmulator handset(3);
    std::string answer;
    int queries = 0;
    while (!stop_ && end_.Connected()) {
      splitter.Feed(end_.Received(20));
      while (auto m = splitter.Next()) {
        std::string reply = "0000->Done ";
        if (m->kind == sockmgr::MessageKind::Request)
          reply = fault_ == Fault::NeverGrants ? "" : "0000->Granted ";
        else if (m->kind == sockmgr::MessageKind::Uart && fault_ == Fault::NeverGrants)
          reply = "0000->Denied ";
        else if (m->kind == sockmgr::MessageKind::Uart)
          answer = handset.Execute(m->line);
        else if (m->kind == sockmgr::MessageKind::QueryUart)
          reply = "UART->" + answer;
        else if (m->kind != sockmgr::MessageKind::Release)
          continue;
        bool silent = fault_ == Fault::SilentAfterGreeting ||
                      (fault_ == Fault::SilentAfterWord1 && queries >= 1);
        if (!silent) end_.Send(fault_ == Fault::Junk ? "\x01\x7f#junk@ " : reply);
        if (m->kind == sockmgr::MessageKind::QueryUart && ++queries == 1 &&
            fault_ == Fault::ClosesAfterWord1)
          end_.Close();
      }
    }
  }

  Fault fault_;
  vt::testing::ServerEnd end_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

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
  FaultyServer server(fault);
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
