// What the link monitor records: voxhost's link log against what the emulated
// handset received, and the monitor window's bound on the events it keeps.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "host/LinkMonitorWindow.h"
#include "sockmgr/server/Backend.h"
#include "sockmgr/server/Server.h"
#include "tests/host/Voxhost.h"
#include "tests/support/Files.h"
#include "tests/support/QtApp.h"

using vt::testing::ReadBytes;
using vt::testing::RunScript;
using vt::testing::Temp;

// The texts after `marker` on each line of `log` that has it, in order.
static std::vector<std::string> Texts(const std::string& log, const std::string& marker) {
  std::vector<std::string> out;
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);)
    if (size_t at = line.find(marker); at != std::string::npos)
      out.push_back(line.substr(at + marker.size()));
  return out;
}

// A session that identifies the handset, ticks a section and reads the whole
// tuning back ("Q7xx all to Memo"): the link log's lines are, in order, the
// lines the handset received, and each reply follows its query.
TEST(LinkLog, LinesAreWhatTheHandsetReceived) {
  const std::string serverLog = Temp("server.log"), linkLog = Temp("link.log");
  std::remove(serverLog.c_str());
  vt::sockmgr::ServerOptions options;
  options.logFile = serverLog;
  vt::sockmgr::Server server(options, std::make_unique<vt::sockmgr::EmulatedBackend>(1));
  server.Start();
  const auto run = RunScript(
      "tab Noise suppressor\nclick CheckBox20\nclick CheckBox20\nclick Q7xxAllToMemoButton\n",
      "--connect 127.0.0.1:" + std::to_string(server.Port()) + " --link-log '" + linkLog +
          "' --link-monitor");
  ASSERT_EQ(run.status, 0) << run.out;
  server.Stop();
  const std::string log = ReadBytes(linkLog);
  std::vector<std::string> sent = Texts(log, "\t->\tline "),
                           received = Texts(ReadBytes(serverLog), " to handset ");
  for (std::string& s : sent) s = s.substr(s.find('\t', s.find('\t') + 1) + 1);  // "N ms\t\tTEXT"
  ASSERT_GE(sent.size(), 400u) << log;  // the read-back: some hundreds of lines
  EXPECT_EQ(sent, received);
  EXPECT_EQ(sent[0], "bbl shread16 0x0001\\r\\n");
  EXPECT_EQ(Texts(log, "\t->\tquery\t").size(), Texts(log, "\t<-\treply\t").size());
  for (const std::string& f : {serverLog, linkLog}) std::remove(f.c_str());
}

// The window keeps the newest events, also when more than it keeps come at
// once; the filter and the save see the kept ones.
TEST(LinkMonitorWindow, KeepsTheNewestHundredThousandEvents) {
  vt::testing::App();
  vt::host::LinkMonitorWindow window;
  window.SetPaused(true);
  int next = 0;
  auto publish = [&](int n) {
    for (int i = 0; i < n; ++i) {
      vt::LinkEvent e;
      e.Kind = vt::LinkEventKind::Granted;
      e.Text = "event " + std::to_string(next++);
      window.Observer()->OnLinkEvent(e);
    }
    window.Drain();
  };
  const QAbstractItemModel* rows = window.Table()->model();
  auto text = [&](int row) { return rows->index(row, 4).data().toString().toStdString(); };
  publish(100005);
  EXPECT_EQ(text(0), "event 5");
  publish(30);
  ASSERT_EQ(rows->rowCount(), 100000);
  EXPECT_EQ(text(0), "event 35");
  EXPECT_EQ(text(99999), "event 100034");
  window.Filter()->setText("EVENT 10003");
  EXPECT_EQ(rows->rowCount(), 6);  // 10003, 100030 to 100034
  const std::string saved = Temp("saved.log");
  ASSERT_TRUE(window.SaveTo(QString::fromStdString(saved), nullptr));
  EXPECT_EQ(Texts(ReadBytes(saved), "\t<-\tgranted\t\tevent ").size(), 6u);
  std::remove(saved.c_str());
}
