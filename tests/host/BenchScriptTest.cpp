// The virtual bench from outside: a scripted session moves it and prints its
// truth; voxbench prints the truth of bench files; mistakes are named.

#include <gmock/gmock.h>

#include "Voxhost.h"

namespace vt::testing {
namespace {

using ::testing::HasSubstr;
const std::string kBenches = VT_SOURCE_DIR "/benches/";

TEST(BenchScript, ScriptsMoveTheBenchAndPrintItsTruth) {
  ScriptRun r = RunScript("bench ear 32HL\nbench tester decoder-cal\nbench truth\nbench scene nowhere\n",
                          "--audio virtual:fast --bench '" + kBenches + "realistic.bench'");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_THAT(r.out, HasSubstr("Bench: Realistic handset"));
  EXPECT_THAT(r.out, HasSubstr("ref_mike_cal gain      -17.300 dBfs for 0dBPa"));
  EXPECT_THAT(r.out, HasSubstr("line 4"));
  EXPECT_THAT(r.out, HasSubstr("no scene \"nowhere\""));

  r = RunScript("bench truth\n", "--audio alsa:none --bench '" + kBenches + "ideal.bench'");
  EXPECT_EQ(r.status, 2);
  EXPECT_THAT(r.out, HasSubstr("--bench needs the virtual bench"));
}

TEST(BenchScript, VoxbenchPrintsEachFilesTruth) {
  std::string cmd = VT_BINARY_DIR "/bin/voxbench ";
  cmd += kBenches + "ideal.bench " + kBenches + "strong-echo.bench 2>&1";
  std::string out;
  FILE* p = ::popen(cmd.c_str(), "r");
  char buf[4096];
  for (size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  EXPECT_EQ(::pclose(p), 0) << out;
  EXPECT_THAT(out, HasSubstr("Bench: Ideal handset"));
  EXPECT_THAT(out, HasSubstr("  TCLw                  42.61 dB   45.62 dB"));
  EXPECT_THAT(out, HasSubstr("Bench: Strong echo"));
}

}  // namespace
}  // namespace vt::testing
