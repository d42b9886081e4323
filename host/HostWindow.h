// voxhost's main window: docks the plug-in's frame and owns the connection to
// the socket-manager server.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <string>

#include "handset/SocketManager.h"
#include "handset/TcpClientSocket.h"
#include "host/LinkActivity.h"

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

 private:
  void AskConnect();
  void UpdateLinkState();
  SocketManager link_;
  TcpClientSocket socket_;
  QString peer_;
  QLabel* linkState_ = nullptr;
  QTimer linkWatch_;
  LinkActivity activity_{this};
};

}  // namespace vt::host
