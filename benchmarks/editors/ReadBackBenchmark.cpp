// "Q7xx all to Memo" against the emulated handset through the socket
// manager's server on loopback: wall time of a whole read-back and the shell
// lines (handset round trips) it takes, for each chip type.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "config/MemoConfig.h"
#include "editors/ReadBack.h"
#include "handset/Handset.h"
#include "handset/Link.h"
#include "handset/TcpClientSocket.h"
#include "sockmgr/server/Server.h"

namespace {

class Bench {
 public:
  explicit Bench(int chipType)
      : server_({}, std::make_unique<vt::sockmgr::EmulatedBackend>(chipType)) {
    server_.Start();
    std::string error;
    if (!socket_.Connect("127.0.0.1", server_.Port(), 3000, &error))
      throw std::runtime_error(error);
    link_.ClientSocket = &socket_;
    link_.ClientType = "VoxTuner";
    while (link_.ClientId == 0 && socket_.WaitForData(3000)) vt::ParseIncoming(&link_);
    vt::SetLink(&link_);
    vt::IdentifyChip();
  }
  ~Bench() {
    vt::SetLink(nullptr);
    socket_.Close();
    server_.Stop();
    vt::ResetHandsetState();
  }
  vt::sockmgr::HandsetEmulator& Handset() { return server_.Emulator(); }

 private:
  vt::sockmgr::Server server_;
  vt::TcpClientSocket socket_;
  vt::SocketManager link_;
};

// The value lists with as many rows as their handset blocks have words.
void FillLists(vt::editors::ControlMap& c) {
  const std::pair<const char*, int> lists[] = {
      {"ValueListEditor1", 33}, {"ValueListEditor2", 33}, {"ValueListEditor3", 20},
      {"ValueListEditor7", 10}, {"ValueListEditor5", 6},  {"ValueListEditor6", 7},
      {"ValueListEditor10", 7}, {"ValueListEditor4", 39}, {"ValueListEditor9", 41},
      {"ValueListEditor8", 8}};
  for (const auto& [name, rows] : lists) {
    std::vector<std::string> lines;
    for (int r = 1; r <= rows; ++r) lines.push_back("r" + std::to_string(r) + "=0");
    c.SetList(name, lines);
  }
}

void BM_Q7xxAllToMemo(benchmark::State& state) {
  const int chipType = int(state.range(0));
  Bench bench(chipType);
  vt::editors::ControlMap controls;
  FillLists(controls);
  vt::VectorLineStore lines;
  vt::MemoConfig memo;
  memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
  const vt::editors::FrameState frame{vt::ChipType()};
  const auto names = vt::editors::ReadBackOrder(frame.chipType);
  size_t shellLines = 0;
  for (auto _ : state) {
    bench.Handset().ClearLines();
    if (vt::editors::ReadBackToMemo(names, controls, frame, memo) != vt::editors::ReadBackEnd::Done)
      state.SkipWithError("the link went down");
    shellLines = bench.Handset().Lines().size();
  }
  state.counters["round_trips"] = double(shellLines);
  state.counters["memo_lines"] = double(lines.Count());
}
BENCHMARK(BM_Q7xxAllToMemo)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
