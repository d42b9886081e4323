// voxhost: loads the VoxTuner plug-in, docks its frame, owns the connection
// to the socket-manager server, and runs scripted sessions.
#include <CLI/CLI.hpp>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "common/IniFile.h"
#include "handset/Link.h"
#include "host/DialogBroker.h"
#include "host/HostWindow.h"
#include "host/Plugin.h"
#include "host/ScriptRunner.h"
#include "bench/Bench.h"
#include "bench/HandsetTuningReader.h"

namespace {
QString DefaultIniPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (dir.isEmpty()) dir = QDir::homePath() + "/.config";
  QDir().mkpath(dir + "/voxtuner");
  return dir + "/voxtuner/voxhost.ini";
}
}  // namespace

int main(int argc, char** argv) {
  CLI::App cli{"voxhost: the VoxTuner host application"};
  std::string plugin, connectTo, ini, script, linkLog, hostShot, benchFile, audio = "virtual";
  bool offscreen = false, linkMonitor = false;
  int linkTimeout = 0;
  cli.add_option("--plugin", plugin, "plug-in to load (default: libvoxtuner.so beside voxhost)");
  cli.add_option("--connect", connectTo, "socket-manager server, HOST:PORT");
  cli.add_option("--ini", ini, "host INI file (default: ~/.config/voxtuner/voxhost.ini)");
  cli.add_option("--script", script, "run a scripted session, then exit with its status");
  cli.add_option("--link-timeout", linkTimeout,
                 "longest wait for one answer of the socket manager, in ms (default: "
                 "LinkTimeoutMs in section [voxhost] of the INI, else 3000)")
      ->check(CLI::Range(100, 600000));
  cli.add_option("--link-log", linkLog,
                 "write every event of the handset link (lines sent, replies, time-outs) to FILE");
  cli.add_flag("--link-monitor", linkMonitor, "open the Link monitor at start");
  cli.add_option("--host-shot", hostShot,
                 "at the end of a scripted session, save a PNG of the whole host window to FILE");
  cli.add_flag("--offscreen", offscreen, "no display: render offscreen (for scripts)");
  cli.add_option("--audio", audio,
                 "measurement audio: virtual (the virtual bench in real time), virtual:fast (as fast as "
                 "the port takes buffers), or alsa:DEVICE");
  cli.add_option("--bench", benchFile, "bench file of the virtual bench (default: the ideal bench)");
  CLI11_PARSE(cli, argc, argv);

  if (offscreen) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The plug-in's measurements read their sound card from here.
  qputenv("VOXTUNER_AUDIO", QByteArray::fromStdString(audio));
  QApplication app(argc, argv);
  app.setApplicationName("voxhost");

  vt::host::HostWindow window;
  // Declared before the module so that it outlives the frame that plays into it.
  std::unique_ptr<vt::bench::Bench> bench;
  if (audio == "virtual" || audio == "virtual:fast") {
    bench = std::make_unique<vt::bench::Bench>(audio == "virtual");
    std::string why;
    if (!benchFile.empty() && !bench->Load(benchFile, why)) {
      std::fprintf(stderr, "voxhost: %s\n", why.c_str());
      return 2;
    }
    window.SetBench(bench.get());
    // A call on the bench takes the handset's filters as they are now.
    vt::SetLink(window.Link());
    bench->readTuning = vt::bench::ReadHandsetTuning;
  } else if (!benchFile.empty()) {
    std::fprintf(stderr, "voxhost: --bench needs the virtual bench (--audio virtual or virtual:fast)\n");
    return 2;
  }
  QString iniPath = ini.empty() ? DefaultIniPath() : QString::fromStdString(ini);
  if (linkTimeout == 0)
    linkTimeout = int(vt::IniFile(QFile::encodeName(iniPath).toStdString())
                          .ReadInteger("voxhost", "LinkTimeoutMs", vt::kDefaultLinkWaitMs));
  if (linkTimeout < 100 || linkTimeout > 600000) {
    std::fprintf(stderr, "voxhost: LinkTimeoutMs in %s must be 100 to 600000, not %d\n",
                 iniPath.toLocal8Bit().constData(), linkTimeout);
    return 2;
  }
  window.SetLinkWaitMs(linkTimeout);
  if (!linkLog.empty()) {
    QString why;
    if (!window.OpenLinkLog(QString::fromStdString(linkLog), &why)) {
      std::fprintf(stderr, "voxhost: %s\n", why.toLocal8Bit().constData());
      return 2;
    }
  }
  if (!connectTo.empty()) {
    QString why;
    if (!window.ConnectTo(QString::fromStdString(connectTo), &why))
      std::fprintf(stderr, "voxhost: %s (continuing without a handset)\n", why.toLocal8Bit().constData());
  }

  // A scripted session answers the module's dialogs itself.
  std::unique_ptr<vt::host::DialogBroker> broker;
  if (!script.empty()) broker = std::make_unique<vt::host::DialogBroker>();
  if (broker && bench) {
    // The bench operator follows the calibrations' prompts a script answers.
    broker->OnDialog = [print = broker->OnDialog, &bench, &window](
                           const QString& caption, const QString& text, const QString& answer) {
      print(caption, text, answer);
      if (caption == "Action" && answer == "OK" && bench->Operate(text.toStdString()))
        window.BenchWindow()->Refresh();
    };
  }

  vt::host::Plugin module;
  QString error;
  QString path = plugin.empty() ? vt::host::DefaultPluginPath() : QString::fromStdString(plugin);
  if (!module.Load(path, &error)) {
    std::fprintf(stderr, "voxhost: %s\n", error.toLocal8Bit().constData());
    return 2;
  }
  QWidget* frame = module.Start(&window, window.Link(), iniPath);
  window.SetFrame(frame);
  window.setWindowTitle("VoxTuner host - " + module.Name());
  window.resize(1100, linkMonitor ? 1100 : 820);
  if (linkMonitor) window.MonitorWindow()->show();
  window.show();

  int status = 0;
  if (!script.empty()) {
    auto* runner = new vt::host::ScriptRunner(frame, broker.get(), &app);
    runner->LinkState = [&window] { return window.LinkStateText(); };
    if (window.BenchWindow())
      runner->Bench = [&window](const QString& line, QString& text) {
        return window.BenchWindow()->Command(line, text);
      };
    if (!runner->Load(QString::fromStdString(script), &error)) {
      std::fprintf(stderr, "voxhost: %s\n", error.toLocal8Bit().constData());
      module.Stop();
      return 2;
    }
    runner->Start([&, runner](int code) {
      if (code != 0) std::fprintf(stderr, "voxhost: %s\n", runner->LastError().toLocal8Bit().constData());
      status = code;
      if (!hostShot.empty()) {
        window.RefreshLinkViews();
        window.MonitorWindow()->Table()->scrollToBottom();
        if (!window.grab().save(QString::fromStdString(hostShot), "PNG")) {
          std::fprintf(stderr, "voxhost: cannot write %s\n", hostShot.c_str());
          if (status == 0) status = 2;
        }
      }
      QTimer::singleShot(0, &app, [&app, code] { app.exit(code); });
    });
  }
  int rc = app.exec();
  module.Stop();
  return script.empty() ? rc : status;
}
