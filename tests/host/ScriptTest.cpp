// voxhost as a user or a script runs it: the real host binary with the real
// plug-in, offscreen, connected to a real socket-manager server (in-process,
// with the emulated handset).
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "sockmgr/server/Backend.h"
#include "sockmgr/server/Server.h"

namespace {

const std::string kHost = std::string(VT_BINARY_DIR) + "/bin/voxhost";

struct ScriptRun {
  int status = -1;
  std::string out;  // standard output and error together
};

std::string Temp(const std::string& name) {
  return std::string(::testing::TempDir()) + "/vt_host_" + std::to_string(::getpid()) + "_" + name;
}

std::string Slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

ScriptRun RunScript(const std::string& script, const std::string& extra = "") {
  std::string file = Temp("script.vts");
  std::ofstream(file) << script;
  std::string cmd = "timeout 60 '" + kHost + "' --offscreen --ini '" + Temp("host.ini") + "' --script '" +
                    file + "' " + extra + " 2>&1";
  ScriptRun r;
  FILE* p = ::popen(cmd.c_str(), "r");
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
  int st = ::pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

}  // namespace

TEST(Script, DumpsEveryControlAndTakesAScreenshot) {
  std::string dump = Temp("dump.json"), shot = Temp("frame.png");
  std::remove(shot.c_str());
  ScriptRun r = RunScript("# a comment\ntab DSP config\ntab Home\ndump " + dump + "\nshot Frame1 " +
                    shot + "\n");
  ASSERT_EQ(r.status, 0) << r.out;
  std::string json = Slurp(dump);
  for (const char* needle :
       {"\"name\": \"RadioButton34\"", "\"caption\": \"Default Q711/15 view\"",
        "\"name\": \"Label45\"", "\"caption\": \"VoxTuner V2.52\"", "\"name\": \"Form12\"",
        "\"caption\": \"File tag\"", "\"window\": \"Form12\"", "\"class\": \"TTabSheet\"",
        "\"caption\": \"Measures / AutoTuning\"", "\"name\": \"Timer1\""})
    EXPECT_NE(json.find(needle), std::string::npos) << needle;
  std::string png = Slurp(shot);
  ASSERT_GT(png.size(), 1000u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
}

TEST(Script, AFailingLineStopsTheRunAndNamesTheLine) {
  ScriptRun r = RunScript("tab Home\nclick NoSuchButton\ndump " + Temp("never.json") + "\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("script line 2"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("NoSuchButton"), std::string::npos) << r.out;
  r = RunScript("set RadioButton34 12\n");
  EXPECT_EQ(r.status, 1);
  r = RunScript("frobnicate\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("unknown command"), std::string::npos) << r.out;
}

TEST(Script, DialogsTakeQueuedAnswersAndFailWithoutOne) {
  ScriptRun r = RunScript("answer OK\nclick Button142\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("dialog: [What's new ?] Based on V2.51\\nAdded harmonizers control\\n"
                       "Added low voice booster control\\n -> OK"),
            std::string::npos)
      << r.out;
  r = RunScript("click Button142\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("has no queued answer"), std::string::npos) << r.out;
  r = RunScript("answer Yes\nclick Button142\n");  // "What's new ?" offers only OK
  EXPECT_EQ(r.status, 1);
}

TEST(Script, DrivesAModalWindowAndSavesTheMemo) {
  std::string file = Temp("tuning.txt");
  std::remove(file.c_str());
  ScriptRun r = RunScript("check RadioButton5 on\nmemo 2 set Begin DSP_CONF\\n    DL_FIR_en=Yes\\nEnd DSP_CONF\n"
                    "answer " + file + "\nclick SaveMemoToFileButton\n"
                    "check Form12.RadioButton7 on\nset Form12.Edit1 car 2\nclick Form12.Button1\n"
                    "memo 2 print\n");
  ASSERT_EQ(r.status, 0) << r.out;
  std::string saved = Slurp(file);
  EXPECT_EQ(saved.rfind("Begin DSP_CONF\r\n    DL_FIR_en=Yes\r\nEnd DSP_CONF\r\n", 0), 0u) << saved;
  EXPECT_NE(saved.find("car 2"), std::string::npos) << saved;
  EXPECT_NE(saved.find("FILE_TAG"), std::string::npos) << saved;
}

TEST(Script, ConnectsToTheSocketManager) {
  vt::sockmgr::Server server;
  server.Start();
  ScriptRun r = RunScript("linkstate\n", "--connect 127.0.0.1:" + std::to_string(server.Port()));
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("link: Connected to 127.0.0.1:" + std::to_string(server.Port())),
            std::string::npos)
      << r.out;
  server.Stop();
  r = RunScript("linkstate\n", "--connect 127.0.0.1:" + std::to_string(server.Port()));
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("link: Not connected"), std::string::npos) << r.out;
}

TEST(Script, DumpShowsTheGatingOfTheConnectedHandset) {
  vt::sockmgr::FirmwareVersion v;
  ASSERT_TRUE(vt::sockmgr::FirmwareVersion::Parse("4.0.0.0", v));
  vt::sockmgr::Server server({}, std::make_unique<vt::sockmgr::EmulatedBackend>(3, v));
  server.Start();
  std::string dump = Temp("gated.json");
  ScriptRun r = RunScript("tab DSP config\ndump " + dump + "\n",
                          "--connect 127.0.0.1:" + std::to_string(server.Port()));
  ASSERT_EQ(r.status, 0) << r.out;
  std::string json = Slurp(dump);
  auto visible = [&](const std::string& name) {
    size_t at = json.find("\"name\": \"" + name + "\"");
    EXPECT_NE(at, std::string::npos) << name;
    size_t end = json.find('}', at);
    size_t begin = json.rfind('{', at);
    return json.substr(begin, end - begin).find("\"visible\": true") != std::string::npos;
  };
  EXPECT_TRUE(visible("GroupBox59"));   // the accelerator of version 4
  EXPECT_TRUE(visible("ValueListEditor9"));
  EXPECT_FALSE(visible("ValueListEditor4"));
  EXPECT_FALSE(visible("GroupBox43"));  // needs A = 3 exactly
  EXPECT_FALSE(visible("CheckBox90"));
}

// Every control of the frame and the tool windows as designed, against a
// reviewed copy. On a mismatch the new dump is written beside the golden file
// as ".actual": compare the two and, when the change is meant, move it over.
TEST(Script, FrameControlsMatchTheGoldenDump) {
  const std::string golden = std::string(VT_SOURCE_DIR) + "/tests/golden/frame_controls.json";
  const std::string actual = golden + ".actual";
  std::string dump = Temp("golden.json");
  std::remove(Temp("host.ini").c_str());  // the designed default view
  ScriptRun r = RunScript("dump " + dump + "\n");
  ASSERT_EQ(r.status, 0) << r.out;
  std::string now = Slurp(dump);
  ASSERT_FALSE(now.empty());
  if (now != Slurp(golden)) {
    std::ofstream(actual, std::ios::binary) << now;
    FAIL() << "the controls differ from " << golden << "; the new dump is in " << actual;
  }
  std::remove(actual.c_str());
}
