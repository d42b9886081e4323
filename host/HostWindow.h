// voxhost's main window: docks the plug-in's frame and owns the connection to
// the socket-manager server.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <string>

#include "handset/LinkMonitor.h"
#include "handset/SocketManager.h"
#include "handset/TcpClientSocket.h"
#include "host/LinkActivity.h"
#include "host/LinkMonitorWindow.h"
#include "host/VirtualBenchWindow.h"

namespace vt::host {

class HostWindow : public QMainWindow {
  Q_OBJECT
 public:
  HostWindow();
  ~HostWindow() override;

  SocketManager* Link() { return &link_; }
  // Connects to HOST:PORT; on failure the status bar says why and false is returned.
  bool ConnectTo(const QString& hostPort, QString* error = nullptr);
  void Disconnect();
  bool Connected() const { return socket_.Active(); }
  // Docks the plug-in's frame.
  void SetFrame(QWidget* frame);
  QString LinkStateText() const { return linkState_->text(); }
  // Longest wait for one answer of the socket manager (ms).
  void SetLinkWaitMs(int ms) { link_.WaitMs = ms; }
  LinkActivity& Activity() { return activity_; }
  // Every event of the link also goes to this file (voxhost --link-log);
  // false with `error` set when it cannot be written.
  bool OpenLinkLog(const QString& path, QString* error);
  LinkMonitor& Monitor() { return monitor_; }
  LinkMonitorWindow* MonitorWindow() const { return monitorWindow_; }
  // "Lines sent: N, replies: N, time-outs: N" of the current session.
  QString LinkSummaryText() const { return linkSummary_->text(); }
  // The monitor's table and the summary brought up to date now.
  void RefreshLinkViews();
  // The virtual bench the measurements play into: offered to the module
  // (before it creates its frame) and steered from the "Bench" menu.
  void SetBench(bench::Bench* bench);
  VirtualBenchWindow* BenchWindow() const { return benchWindow_; }

 private:
  void AskConnect();
  void UpdateLinkState();
  void UpdateLinkSummary();
  SocketManager link_;
  TcpClientSocket socket_;
  QString peer_;
  QLabel* linkState_ = nullptr;
  QTimer linkWatch_;
  LinkActivity activity_{this};
  LinkMonitor monitor_;
  LinkLogFile linkLog_;
  LinkMonitorWindow* monitorWindow_ = nullptr;
  QLabel* linkSummary_ = nullptr;
  QTimer summaryTimer_;
  VirtualBenchWindow* benchWindow_ = nullptr;
};

}  // namespace vt::host
