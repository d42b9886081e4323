// The bench calibrations from a scripted session on the virtual bench, as a
// user runs them from the "Calibration" tab: the stored gains are those the
// bench knows to be right. Leaves the mouth's FIR calculation window as
// fir_calculation.png in the build folder.

#include <gmock/gmock.h>

#include <cmath>

#include "Voxhost.h"
#include "bench/BenchFile.h"
#include "bench/Truth.h"
#include "common/IniFile.h"

namespace vt::testing {
namespace {

TEST(CalibrationScript, EveryProcedureStoresTheBenchsTruth) {
  const std::string benchFile = VT_SOURCE_DIR "/benches/realistic.bench";
  const std::string cal = Temp("bench.acal");
  std::remove(cal.c_str());
  const std::string script =
      "bench operator on\n"
      "tab TabSheet17\n"
      "answer " + cal + "\nclick DefineCalFileButton\n"
      "answer OK\nanswer OK\nclick CalRefMikeButton\n"
      "check DlIfType32HiLeakRadio on\nbench ear 32HL\n"
      "answer OK\nanswer OK\nclick CalEarButton\n"
      "answer OK\nanswer OK\nanswer OK\nanswer OK\nanswer OK\nclick CalCmu200Button\n"
      "answer OK\nanswer OK\nclick CalDlElectricalButton\n"
      "answer OK\nanswer OK\nclick CalMouthButton\n"
      "shot Form6.PaintBox1 " VT_BINARY_DIR "/fir_calculation.png\n"
      // A cancelled "Define cal file" forgets the file.
      "answer Cancel\nclick DefineCalFileButton\nanswer OK\nclick CalEarButton\n";
  const ScriptRun r = RunScript(script, "--audio virtual:fast --bench '" + benchFile + "'", 240);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_THAT(r.out, ::testing::ContainsRegex("dialog: \\[(Information\\] Calibration success|Error\\] Can't get)"));
  EXPECT_THAT(r.out, ::testing::HasSubstr("dialog: [Error] Define a cal file first! -> OK"));
  EXPECT_EQ(IniFile(Temp("host.ini")).ReadString("VoxTuner", "CalFile", "unset"), "");

  bench::BenchTruth truth;
  std::string error;
  ASSERT_TRUE(bench::LoadBenchFile(benchFile, truth.params, error)) << error;
  IniFile ini(cal);
  auto stored = [&ini](const char* section, const char* key) {
    return static_cast<double>(ini.ReadFloat(section, key, -1000));
  };
  auto volume = [&ini](const char* section) { return int(ini.ReadInteger(section, "card_gain", -1)); };
  EXPECT_NEAR(stored("ref_mike_cal", "gain"), truth.RefMikeGain(volume("ref_mike_cal")), 0.05);
  EXPECT_NEAR(stored("ear_cal_32HL", "gain"),
              truth.EarGain(bench::EarType::Type32HighLeak, volume("ear_cal_32HL")), 0.05);
  EXPECT_NEAR(stored("cmu_dec_cal", "gain"), truth.DecoderGain(volume("cmu_dec_cal")), 0.05);
  EXPECT_NEAR(stored("cmu_enc_cal", "gain"), truth.EncoderGain(volume("cmu_enc_cal")), 0.05);
  EXPECT_NEAR(stored("ear_cal_elec", "gain"), truth.DlElectricalGain(volume("ear_cal_elec")), 0.05);
  EXPECT_NEAR(20 * std::log10(stored("mouth_cal", "ref_level") / truth.MouthRefLevel(volume("mouth_cal"))),
              0, 0.05);
}

}  // namespace
}  // namespace vt::testing
