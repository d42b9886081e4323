// Shell round trips against the in-process socket manager with the emulated
// handset, beside the bare link round trip (one query, one reply).
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <stdexcept>

#include "sockmgr/server/Server.h"
#include "handset/Handset.h"
#include "handset/Link.h"
#include "handset/LinkMonitor.h"
#include "handset/TcpClientSocket.h"

namespace {

// A server with a chip-type-3 handset and the module-wide link connected to it.
class Bench {
 public:
  Bench() : server_({}, std::make_unique<vt::sockmgr::EmulatedBackend>(3)) {
    server_.Start();
    std::string error;
    if (!socket_.Connect("127.0.0.1", server_.Port(), 3000, &error)) throw std::runtime_error(error);
    link_.ClientSocket = &socket_;
    link_.ClientType = "VoxTuner";
    while (link_.ClientId == 0 && socket_.WaitForData(3000)) vt::ParseIncoming(&link_);
    vt::SetLinkWaitMs(5000);
    vt::SetLink(&link_);
    server_.Emulator().SetMemory(4168, 0x1234);
  }
  vt::SocketManager& Link() { return link_; }
  ~Bench() {
    vt::SetLink(nullptr);
    socket_.Close();
    server_.Stop();
  }

 private:
  vt::sockmgr::Server server_;
  vt::TcpClientSocket socket_;
  vt::SocketManager link_;
};

void BM_BareLinkRoundTrip(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) benchmark::DoNotOptimize(vt::QueryUartReply(vt::Link()));
  state.counters["round_trips/s"] =
      benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BareLinkRoundTrip)->UseRealTime();

// A monitor as voxhost attaches it: the window's store and a link log.
struct Monitor {
  Monitor() {
    std::string error;
    if (!log.Open("/dev/null", &error)) throw std::runtime_error(error);
    monitor.Attach(&store);
    monitor.Attach(&log);
  }
  // What the window's timer does with the events that came.
  void Drain() {
    std::vector<vt::LinkEvent> fresh = store.TakeNew();
    store.DropOldest(store.Overflow(fresh.size()));
    store.Append(std::move(fresh));
  }
  vt::LinkMonitor monitor;
  vt::LinkEventStore store;
  vt::LinkLogFile log;
};

// The same with voxhost's monitor attached: the window's store, drained as
// its timer does, and the link log file. The machine's load swings more than
// the monitor costs, so each iteration runs a stretch of bare round trips
// beside the monitored ones it times (the time shown is a stretch's), and
// "overhead_%" compares the two.
void BM_MonitoredLinkRoundTrip(benchmark::State& state) {
  using Clock = std::chrono::steady_clock;
  constexpr int kStretch = 50;
  Bench bench;
  Monitor m;
  vt::LinkMonitor& monitor = m.monitor;
  double bare = 0, monitored = 0;
  auto stretch = [&](vt::LinkEventObserver* events) {
    bench.Link().Events = events;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kStretch; ++i) benchmark::DoNotOptimize(vt::QueryUartReply(vt::Link()));
    return std::chrono::duration<double>(Clock::now() - start).count();
  };
  for (auto _ : state) {
    bare += stretch(nullptr);
    const double seconds = stretch(&monitor);
    monitored += seconds;
    state.SetIterationTime(seconds);
    m.Drain();
  }
  bench.Link().Events = nullptr;
  const double roundTrips = double(state.iterations() * kStretch);
  state.counters["bare_us"] = bare / roundTrips * 1e6;
  state.counters["monitored_us"] = monitored / roundTrips * 1e6;
  state.counters["overhead_%"] = bare > 0 ? (monitored - bare) / bare * 100 : 0;
}
BENCHMARK(BM_MonitoredLinkRoundTrip)->UseManualTime();

// What the monitor adds to one round trip on its own (the two numbers above
// swing with the machine's load): the query and the reply events, each with
// its clock reading, through the monitor to the store and the log's queue.
void BM_MonitorEventsOfOneRoundTrip(benchmark::State& state) {
  Monitor m;
  vt::LinkMonitor& monitor = m.monitor;
  const std::string reply = "shread16 [0x0001]: 0x0105\r\n";
  int64_t n = 0;
  for (auto _ : state) {
    for (vt::LinkEventKind kind : {vt::LinkEventKind::Query, vt::LinkEventKind::Reply}) {
      vt::LinkEvent e;
      e.Kind = kind;
      e.TimeUs = std::chrono::steady_clock::now().time_since_epoch().count();
      if (kind == vt::LinkEventKind::Reply) e.Text = reply;
      monitor.OnLinkEvent(e);
    }
    if (++n % 500 == 0) {
      m.Drain();
    }
  }
}
BENCHMARK(BM_MonitorEventsOfOneRoundTrip);

// 500 peeks under one hold: two round trips each (the line, the answer).
void BM_HeldBurstOf500Reads(benchmark::State& state) {
  Bench bench;
  constexpr int kReads = 500;
  for (auto _ : state) {
    vt::HoldLink();
    int32_t sum = 0;
    for (int i = 0; i < kReads; ++i) sum += vt::Peek(4168);
    vt::UnholdLink();
    if (sum != kReads * 0x1234) state.SkipWithError("wrong answer from the handset");
  }
  state.SetItemsProcessed(state.iterations() * kReads);
  state.counters["round_trips/s"] = benchmark::Counter(
      double(state.iterations()) * (2 * kReads + 2), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_HeldBurstOf500Reads)->UseRealTime()->Unit(benchmark::kMillisecond);

// One peek on its own: request, line, answer, release.
void BM_UnheldRead(benchmark::State& state) {
  Bench bench;
  for (auto _ : state) benchmark::DoNotOptimize(vt::Peek(4168));
  state.SetItemsProcessed(state.iterations());
  state.counters["round_trips/s"] =
      benchmark::Counter(double(state.iterations()) * 4, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_UnheldRead)->UseRealTime();

}  // namespace
