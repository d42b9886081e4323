// voxhost as a user or a script runs it: the real host binary with the real
// plug-in, offscreen, connected to a real socket-manager server (in-process,
// with the emulated handset).
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "sockmgr/server/Backend.h"
#include "sockmgr/server/Server.h"
#include "tests/host/Voxhost.h"
#include "tests/support/Files.h"

namespace {

using vt::testing::ReadBytes;
using vt::testing::RunScript;
using vt::testing::ScriptRun;
using vt::testing::Temp;

QJsonArray Load(const std::string& dumpFile) {
  return QJsonDocument::fromJson(QByteArray::fromStdString(ReadBytes(dumpFile))).array();
}

std::string Key(const QJsonObject& o) {
  return (o["window"].toString() + "." + o["name"].toString()).toStdString();
}

std::string Line(const QJsonObject& o) {
  return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString();
}

// A dump file's controls by "window.name".
std::map<std::string, QJsonObject> Controls(const std::string& dumpFile) {
  std::map<std::string, QJsonObject> out;
  for (const QJsonValue& v : Load(dumpFile)) out[Key(v.toObject())] = v.toObject();
  return out;
}

}  // namespace

// Every control of the frame and the tool windows as designed, against a
// reviewed copy that holds the designed fields only (not "shown", which
// depends on the page on screen), one control per line.
TEST(Script, FrameControlsMatchTheGoldenDump) {
  const std::string golden = std::string(VT_SOURCE_DIR) + "/tests/golden/frame_controls.json";
  const std::string actual = std::string(VT_BINARY_DIR) + "/frame_controls.json.actual";
  const std::string dump = Temp("golden.json");
  std::remove(Temp("host.ini").c_str());  // the designed default view
  ScriptRun r = RunScript("dump " + dump + "\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const QJsonArray dumped = Load(dump);
  ASSERT_GT(dumped.size(), 600);
  std::map<std::string, QJsonObject> now;
  std::string text = "[\n";
  for (qsizetype i = 0; i < dumped.size(); ++i) {
    QJsonObject o = dumped[i].toObject();
    o.remove("shown");
    now[Key(o)] = o;
    text += Line(o) + (i + 1 < dumped.size() ? ",\n" : "\n");
  }
  text += "]\n";
  if (text == ReadBytes(golden)) {
    std::remove(actual.c_str());
    return;
  }
  std::ofstream(actual, std::ios::binary) << text;
  std::map<std::string, QJsonObject> want = Controls(golden), all = want;
  all.insert(now.begin(), now.end());
  std::string differences;
  int count = 0;
  for (const auto& [key, o] : all) {
    auto mine = now.find(key), theirs = want.find(key);
    if (mine != now.end() && theirs != want.end() && mine->second == theirs->second) continue;
    if (++count <= 5)
      differences += "\n  expected: " + (theirs != want.end() ? Line(theirs->second) : "(none)") +
                     "\n    actual: " + (mine != now.end() ? Line(mine->second) : "(none)");
  }
  FAIL() << count << " controls differ from " << golden << " (order or layout only if none)"
         << differences << "\nThe whole new dump is " << actual
         << "; when the change is meant, copy it over the golden file.";
}

// Each control names its parent, says whether its own flag shows it
// ("visible") and whether it is on screen ("shown"): on a Q710/2 handset the
// downlink noise suppressor's group is hidden, so its boxes are not shown.
// The link state is reported while the socket manager runs, and after.
TEST(Script, DumpShowsParentsAndWhatIsOnScreenAndTheLinkState) {
  vt::sockmgr::FirmwareVersion v;
  ASSERT_TRUE(vt::sockmgr::FirmwareVersion::Parse("4.0.0.0", v));
  vt::sockmgr::Server server({}, std::make_unique<vt::sockmgr::EmulatedBackend>(3, v));
  server.Start();
  const std::string dump = Temp("gated.json"), port = std::to_string(server.Port());
  ScriptRun r = RunScript("# a comment\ntab Noise suppressor\ndump " + dump + "\nlinkstate\n",
                          "--connect 127.0.0.1:" + port);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("link: Connected to 127.0.0.1:" + port), std::string::npos) << r.out;
  auto c = Controls(dump);
  const struct {
    const char *control, *parent;
    bool visible, shown;
  } cases[] = {
      {"Frame1.CheckBox20", "NsUplinkGroup", true, true},
      {"Frame1.GroupBox43", "TabSheet5", false, false},  // needs A = 3 exactly
      {"Frame1.CheckBox13", "GroupBox43", true, false},  // inside the hidden group
      {"Form12.Button1", "Form12", true, false},         // its window is closed
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.control);
    ASSERT_EQ(c.count(k.control), 1u);
    EXPECT_EQ(c[k.control]["parent"].toString().toStdString(), k.parent);
    EXPECT_EQ(c[k.control]["visible"].toBool(), k.visible);
    EXPECT_EQ(c[k.control]["shown"].toBool(), k.shown);
  }
  server.Stop();
  r = RunScript("linkstate\n", "--connect 127.0.0.1:" + port);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("link: Not connected"), std::string::npos) << r.out;
}

// A failing line, a dialog without a queued answer or with one it does not
// offer: the run stops with status 1 and names the line. A link log that
// cannot be written stops voxhost at once with status 2.
TEST(Script, AFailingLineStopsTheRunAndNamesTheLine) {
  const struct {
    std::string script, message;
    const char* extra = "";
    int status = 1;
  } cases[] = {
      {"tab Home\nclick NoSuchButton\ndump " + Temp("never.json") + "\n",
       "script line 2: \"click NoSuchButton\": no button \"NoSuchButton\""},
      {"set RadioButton34 12\n", "\"RadioButton34\" takes no value"},
      {"set ScrollBar30 20000\n", "20000 is outside 512..16384"},
      {"frobnicate\n", "unknown command \"frobnicate\""},
      {"dump /nonexistent/dir/controls.json\n", "cannot write /nonexistent/dir/controls.json"},
      {"wait soon\n", "wait takes milliseconds"},
      {"click Button142\n", "script line 1: \"click Button142\": dialog \"What's new ?\" (\""},
      {"answer Yes\nclick Button142\n", "dialog \"What's new ?\" offers OK, not \"Yes\""},
      {"", "voxhost: cannot write the link log /nonexistent/dir/link.log: No such",
       "--link-log /nonexistent/dir/link.log", 2},
  };
  for (const auto& k : cases) {
    ScriptRun r = RunScript(k.script, k.extra);
    EXPECT_EQ(r.status, k.status) << k.script;
    EXPECT_NE(r.out.find(k.message), std::string::npos) << r.out;
  }
}

// Queued answers close a message box and the save dialog.
TEST(Script, DialogsTakeQueuedAnswersAndTheMemoIsSaved) {
  const std::string file = Temp("tuning.txt");
  std::remove(file.c_str());
  ScriptRun r = RunScript(
      "answer OK\nclick Button142\n"
      "check RadioButton5 on\nmemo 2 set Begin DSP_CONF\\n    DL_FIR_en=Yes\\nEnd DSP_CONF\n"
      "answer " + file + "\nclick SaveMemoToFileButton\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("dialog: [What's new ?] Based on V2.51\\nAdded harmonizers control\\n"
                       "Added low voice booster control\\n -> OK"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("dialog: [Save Memo to file] Text files (*.txt);;All files (*) -> " + file),
            std::string::npos)
      << r.out;
  EXPECT_EQ(ReadBytes(file).rfind("Begin DSP_CONF\r\n    DL_FIR_en=Yes\r\nEnd DSP_CONF\r\n", 0), 0u);
}

// The two graph windows, their pictures left in the build folder: the
// compressor's graph redrawn when its threshold moves; the curve editor
// drawing the points set in the list (bin 20 at 3900/4096 a bin: down to
// -8 dB at 1.28 kHz, then flat). The curve editor is modal: the end of the
// script closes it, or the session would never end.
TEST(Script, GraphWindowsDrawWhatTheControlsSay) {
  const std::string graph = std::string(VT_BINARY_DIR) + "/tuning_graph.png",
                    moved = Temp("graph_moved.png"),
                    curve = std::string(VT_BINARY_DIR) + "/selective_es_curve.png";
  ScriptRun r = RunScript(
      "tab DL Dyn treatment\nclick Button103\nshot Form11 " + graph +
      "\nset ScrollBar40 119\nshot Form11 " + moved +
      "\ntab Selective echo supp\nrow ValueListEditor8 Point_1_bin 20\n"
      "row ValueListEditor8 Point_1_gain 3900\nrow ValueListEditor8 Point_2_bin 63\n"
      "row ValueListEditor8 Point_2_gain 4096\nclick Button102\nshot Form10 " + curve + "\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("closing Form10, left open at the end of the script"), std::string::npos)
      << r.out;
  const QImage g(QString::fromStdString(graph));
  EXPECT_GT(g.width() * g.height(), 100 * 100);
  EXPECT_NE(g, QImage(QString::fromStdString(moved)));
}

// The committed wizard session as a user would run it (its shot lands in
// the working folder): the modal wizard opened from its tab, a bar moved, its
// block written to the memo; the end of the script closes it.
TEST(Script, EchoCancellerWizardSession) {
  const std::string session = ReadBytes(VT_SOURCE_DIR "/tests/host/ec_wizard_session.vts");
  ScriptRun r = RunScript(session);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Begin EC_wizard"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("closing Form3, left open at the end of the script"), std::string::npos);
}
