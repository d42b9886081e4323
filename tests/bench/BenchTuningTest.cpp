// A call on the virtual bench takes the emulated handset's filters as the
// tuning tool wrote them, so a tuning shows in what the bench measures.

#include <gmock/gmock.h>

#include "../handset/EmulatedHandset.h"
#include "bench/Bench.h"
#include "bench/HandsetTuningReader.h"
#include "Probe.h"

namespace vt::bench {
namespace {

class BenchTuning : public vt::testing::EmulatedHandset {};

TEST_F(BenchTuning, ACallTakesTheHandsetsFiltersAsWritten) {
  Start(3);
  Bench bench(false);
  bench.readTuning = ReadHandsetTuning;
  std::string out;
  ASSERT_TRUE(bench.Command("scene handset-on-ear", out));
  ASSERT_TRUE(bench.Command("tester call", out));
  EXPECT_EQ(out, "");
  const double untuned = bench.Truth().Rlr();
  const double earBefore = InputsDbfs(bench.Path(), {}, {1000, 3000}).first;
  EXPECT_NEAR(bench.Truth().ReceiveDb(1000), BenchParams{}.dlGainDb, 0.01) << "filters off";

  // The downlink FIR on, a delay line of 15 taps at half gain; the uplink IIR
  // on with its flat sections.
  HoldLink();
  SetDspOverride(3, true);
  WriteDspItem(3, ReadDspItem(3) | 0x0400);
  SetDspOverride(4, true);
  WriteDspItem(4, ReadDspItem(4) | 0x0400);
  SetParamOverride(1, true);
  for (int k = 0; k < 32; ++k) WriteParam(1, k, k == 15 ? 0x4000 : 0);
  WriteParam(1, 32, 4096);
  UnholdLink();
  ASSERT_TRUE(bench.Command("tester call", out));
  EXPECT_EQ(out, "");
  const HandsetTuning t = bench.Path().Tuning();
  ASSERT_EQ(t.dlFir.size(), 32u);
  EXPECT_DOUBLE_EQ(t.dlFir[15], 0.5);
  EXPECT_EQ(t.ulIir.size(), 4u);
  EXPECT_NEAR(t.GainDb(false, 1000), 0, 0.01) << "the built-in sections are flat";
  EXPECT_NEAR(bench.Truth().Rlr() - untuned, 6.0206, 0.01);
  EXPECT_NEAR(InputsDbfs(bench.Path(), {}, {1000, 3000}).first - earBefore, -6.0206, 0.02)
      << "the ear hears the tuned downlink";

  StopServer();
  ASSERT_TRUE(bench.Command("tester call", out));
  EXPECT_THAT(out, ::testing::HasSubstr("the call runs without the handset's tuning"));
  EXPECT_NEAR(bench.Truth().Rlr(), untuned, 1e-9);
}

}  // namespace
}  // namespace vt::bench
