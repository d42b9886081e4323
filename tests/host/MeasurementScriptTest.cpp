// RLR, SLR and TCLw from scripted sessions on each shipped bench, as a user
// runs them: calibrate, set up the call, click the buttons. The figures are
// those the bench works out on its own from its model. Leaves the "Result"
// window of the last RLR as result_rlr.png in the build folder.

#include <gmock/gmock.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "Voxhost.h"
#include "bench/BenchFile.h"
#include "bench/Truth.h"

namespace vt::testing {
namespace {

// The figure the "Result" window shows in a control dump ("RLR = 1.49dB").
double Figure(const std::string& dump, const std::string& name) {
  std::ifstream in(dump);
  const std::string caption = "\"caption\":\"" + name + " = ";
  for (std::string line; std::getline(in, line);) {
    const size_t at = line.find(caption);
    if (at != std::string::npos && line.find("\"window\":\"Form21\"") != std::string::npos)
      return std::stod(line.substr(at + caption.size()));
  }
  ADD_FAILURE() << "no " << name << " in " << dump;
  return 0;
}

class MeasurementScript : public ::testing::TestWithParam<const char*> {};

TEST_P(MeasurementScript, FiguresMatchTheBenchsTruth) {
  const std::string benchFile = std::string(VT_SOURCE_DIR "/benches/") + GetParam();
  bench::BenchTruth truth;
  std::string error;
  ASSERT_TRUE(bench::LoadBenchFile(benchFile, truth.params, error)) << error;
  const std::string cal = Temp("measure.acal");
  std::remove(cal.c_str());
  std::remove(Temp("host.ini").c_str());  // no cal file remembered
  const std::string dump = Temp("dump");
  // Each session writes its stimulus file to its own current folder.
  const std::filesystem::path here = std::filesystem::current_path(), folder = Temp("cwd");
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::string script =
      "bench operator on\n"
      "tab TabSheet17\n"
      // Nothing plays before the calibrations are there.
      "answer OK\nclick RlrButton\n"
      "answer " + cal + "\nclick DefineCalFileButton\n"
      "answer OK\nclick SlrButton\n"
      "answer OK\nanswer OK\nclick CalRefMikeButton\n"
      "answer OK\nanswer OK\nclick CalEarButton\n"
      "answer OK\nanswer OK\nanswer OK\nanswer OK\nanswer OK\nclick CalCmu200Button\n"
      "answer OK\nanswer OK\nclick CalMouthButton\n"
      "bench scene handset-on-ear\nbench tester call\n";
  for (const char* button : {"RlrButton", "SlrButton", "TclButton"})
    script += std::string("click ") + button + "\ndump " + dump + button + "\n";
  script += "clipboard\n";
  // The handset 6 dB louder in the ear.
  script += "bench set handset.dl_gain_db " + std::to_string(truth.params.dlGainDb + 6) +
            "\nclick RlrButton\ndump " + dump + "Louder\nshot Form21 " VT_BINARY_DIR "/result_rlr.png\n";
  const ScriptRun r = RunScript(script, "--audio virtual:fast --bench '" + benchFile + "'", 300);
  std::filesystem::current_path(here);
  EXPECT_TRUE(std::filesystem::exists(folder / "temp.wav"));
  std::filesystem::remove_all(folder);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, ::testing::HasSubstr("dialog: [Error] Define a cal file first! -> OK"));
  EXPECT_THAT(r.out, ::testing::HasSubstr("dialog: [Error] Calibrate mouth first! -> OK"));
  // The echo's last twelfth-octave bands, as the clipboard holds them.
  EXPECT_THAT(r.out, ::testing::ContainsRegex("\n62.5\t-?[0-9.]+\r\n66.21\t.*\r\n3563.59\t-?[0-9.]+\r\n3775.49\t-?[0-9.]+\r\n"));

  const double rlr = Figure(dump + "RlrButton", "RLR");
  EXPECT_NEAR(rlr, truth.Rlr(), 0.3);
  EXPECT_NEAR(Figure(dump + "SlrButton", "SLR"), truth.Slr(), 0.3);
  EXPECT_NEAR(Figure(dump + "TclButton", "TCL"), truth.Tclw(), 0.3);
  EXPECT_NEAR(Figure(dump + "Louder", "RLR") - rlr, -6, 0.3);
}

INSTANTIATE_TEST_SUITE_P(Benches, MeasurementScript,
                         ::testing::Values("ideal.bench", "realistic.bench", "strong-echo.bench"));

}  // namespace
}  // namespace vt::testing
