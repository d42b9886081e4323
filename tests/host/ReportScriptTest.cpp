// The measurement report from a scripted session on the virtual bench: a
// report with a calibration, an ear import and an RLR measurement, closed;
// then a second one with a calibration, the program killed after it. Both
// .docx files hold them.

#include <gmock/gmock.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "../report/ReadDocx.h"
#include "Voxhost.h"
#include "bench/BenchFile.h"
#include "bench/Truth.h"

namespace vt::testing {

TEST(ReportScript, ReportsHoldTheCalibrationsClosedOrKilled) {
  const std::string first = Temp("first.docx"), second = Temp("second.docx"), ada = Temp("ear.ada");
  std::remove(second.c_str());
  std::ofstream(ada) << "100 0\n1000 -1.5\n4000 -3\n";
  // What the measurement needs besides the ear data, as the bench's truth has it.
  bench::BenchTruth t;
  std::string error;
  ASSERT_TRUE(bench::LoadBenchFile(VT_SOURCE_DIR "/benches/realistic.bench", t.params, error)) << error;
  std::ofstream(Temp("r.acal")) << "[mouth_cal]\nref_level=" << t.MouthRefLevel(16384)
                                << "\ncard_gain=16384\n[cmu_enc_cal]\ngain=" << t.EncoderGain(16384)
                                << "\ncard_gain=16384\n[cmu_dec_cal]\ngain=" << t.DecoderGain(16384)
                                << "\ncard_gain=16384\n[ear_cal_32LL]\ngain="
                                << t.EarGain(bench::EarType::Type32LowLeak, 16384) << "\ncard_gain=16384\n";
  const std::string start = "answer OK\nanswer %\nanswer No\nclick StartReportButton\n";
  const std::string refMike = "answer OK\nanswer OK\nclick CalRefMikeButton\n";
  std::string script = "bench operator on\nanswer " + Temp("r.acal") + "\nclick DefineCalFileButton\n" + start +
                       refMike + "answer " + ada + "\nclick ImportEarDataButton\n" +
                       "bench scene handset-on-ear\nbench tester call\nclick RlrButton\nclick CloseReportButton\n" + start +
                       refMike + "wait 600000\n";
  script.replace(script.find('%'), 1, first);
  script.replace(script.find('%'), 1, second);
  const std::string vts = Temp("r.vts"), out = Temp("r.out"), ini = Temp("r.ini");
  std::ofstream(vts) << script;
  const pid_t host = ::fork();
  if (host == 0) {
    std::freopen(out.c_str(), "w", stdout);
    ::dup2(1, 2);
    ::execl(VT_BINARY_DIR "/bin/voxhost", "voxhost", "--offscreen", "--ini", ini.c_str(), "--script", vts.c_str(),
            "--audio", "virtual:fast", "--bench", VT_SOURCE_DIR "/benches/realistic.bench", static_cast<char*>(nullptr));
    ::_exit(127);
  }
  const std::string last = "(Considering 94dBSPL from calibrator)";
  for (int i = 0; i < 1200 && !::testing::Value(ReadDocx(second).texts, ::testing::Contains(last)); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  ::kill(host, SIGKILL);
  ::waitpid(host, nullptr, 0);

  const DocxRead a = ReadDocx(first), b = ReadDocx(second);
  ASSERT_EQ(a.error + b.error, "");
  EXPECT_EQ(a.styles[0] + " " + a.texts[0], "Heading1 Reference mike calibration");
  EXPECT_THAT(a.texts[2], ::testing::MatchesRegex("Sound card input gain =[0-9]+"));
  EXPECT_THAT(a.texts, ::testing::Contains("Import ERP-DRP transfer function for ear type 3.2 low leak"));
  EXPECT_THAT(a.texts, ::testing::IsSupersetOf({"Receiving measurement", "Frequency response:"}));
  EXPECT_THAT(a.texts, ::testing::Contains(::testing::MatchesRegex("RLR = -?[0-9.]+dB")));
  EXPECT_EQ(a.pictures, 2);  // the ear's FIR fit and the RLR response
  EXPECT_THAT(b.texts, ::testing::Contains(last));
  std::string log;
  std::getline(std::ifstream(out), log, '\0');
  EXPECT_THAT(log, ::testing::HasSubstr("dialog: [Information] Don't close report in Word application. Use \"Close "
                                        "report\" button instead. -> OK"));
}

}  // namespace vt::testing
