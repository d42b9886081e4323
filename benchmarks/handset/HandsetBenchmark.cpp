// Shell round trips against the in-process socket manager with the emulated
// handset, beside the bare link round trip (one query, one reply).
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "sockmgr/server/Server.h"
#include "handset/Handset.h"
#include "handset/Link.h"
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
