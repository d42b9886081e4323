#include "host/HostWindow.h"

#include "plugin/Exports.h"

#include <QFile>
#include <QInputDialog>
#include <QMenuBar>
#include <QStatusBar>

#include "handset/Link.h"

namespace vt::host {

HostWindow::HostWindow() {
  setObjectName("HostWindow");
  setWindowTitle("VoxTuner host");
  link_.ClientSocket = &socket_;
  link_.ClientType = "VoxHost";
  link_.ClientNumber = 1;
  link_.ClientInfo = "VoxTuner";
  link_.Observer = &activity_;
  link_.Events = &monitor_;

  monitorWindow_ = new LinkMonitorWindow(this);
  addDockWidget(Qt::BottomDockWidgetArea, monitorWindow_);
  monitorWindow_->hide();
  monitor_.Attach(monitorWindow_->Observer());

  QMenu* menu = menuBar()->addMenu("&Link");
  QAction* connectAction = menu->addAction("&Connect...");
  connect(connectAction, &QAction::triggered, this, &HostWindow::AskConnect);
  QAction* disconnectAction = menu->addAction("&Disconnect");
  connect(disconnectAction, &QAction::triggered, this, &HostWindow::Disconnect);
  menu->addSeparator();
  QAction* monitorAction = monitorWindow_->toggleViewAction();
  monitorAction->setText("Link &monitor");
  menu->addAction(monitorAction);
  menu->addSeparator();
  menu->addAction("&Quit", this, &QWidget::close);

  linkState_ = new QLabel;
  linkState_->setObjectName("LinkState");
  statusBar()->addPermanentWidget(linkState_);
  linkSummary_ = new QLabel;
  linkSummary_->setObjectName("LinkSummary");
  statusBar()->addPermanentWidget(linkSummary_);
  connect(&summaryTimer_, &QTimer::timeout, this, &HostWindow::UpdateLinkSummary);
  summaryTimer_.start(500);
  UpdateLinkSummary();
  // A server that goes away is noticed without reading what belongs to the module.
  connect(&linkWatch_, &QTimer::timeout, this, [this] {
    socket_.CheckPeerClosed();
    UpdateLinkState();
  });
  linkWatch_.start(1000);
  UpdateLinkState();
}

HostWindow::~HostWindow() {
  link_.Observer = nullptr;
  link_.Events = nullptr;
  Disconnect();
}

void HostWindow::SetFrame(QWidget* frame) {
  if (frame) setCentralWidget(frame);
}

bool HostWindow::ConnectTo(const QString& hostPort, QString* error) {
  std::string host;
  int port = 0;
  std::string why;
  if (!SplitHostPort(hostPort.toStdString(), host, port)) {
    why = "\"" + hostPort.toStdString() + "\" is not HOST:PORT";
  } else if (socket_.Connect(host, port, 5000, &why)) {
    peer_ = hostPort;
    ResetLinkState(&link_);
    monitor_.NewSession();
    // The server greets with our id and asks our type: answer at once.
    if (socket_.WaitForData(1000)) ParseIncoming(&link_);
    UpdateLinkState();
    return true;
  }
  if (error) *error = QString::fromStdString(why);
  statusBar()->showMessage(QString::fromStdString(why), 10000);
  UpdateLinkState();
  return false;
}

void HostWindow::Disconnect() {
  socket_.Close();
  link_.Granted = 0;
  UpdateLinkState();
}

bool HostWindow::OpenLinkLog(const QString& path, QString* error) {
  std::string why;
  if (!linkLog_.Open(QFile::encodeName(path).toStdString(), &why)) {
    if (error) *error = QString::fromStdString(why);
    return false;
  }
  monitor_.Attach(&linkLog_);
  return true;
}

void HostWindow::RefreshLinkViews() {
  monitorWindow_->Drain();
  UpdateLinkSummary();
}

void HostWindow::UpdateLinkSummary() {
  LinkMonitor::Counts c = monitor_.Session();
  linkSummary_->setText(QString("Lines sent: %1, replies: %2, time-outs: %3")
                            .arg(c.Lines)
                            .arg(c.Replies)
                            .arg(c.TimeOuts));
}

void HostWindow::AskConnect() {
  bool ok = false;
  QString text = QInputDialog::getText(this, "Connect", "Socket manager (HOST:PORT):",
                                       QLineEdit::Normal,
                                       peer_.isEmpty() ? "127.0.0.1:5000" : peer_, &ok);
  if (ok) ConnectTo(text);
}

void HostWindow::UpdateLinkState() {
  if (socket_.Active()) {
    QString state = QString("Connected to %1 (client %2)").arg(peer_).arg(link_.ClientId);
    if (!LinkAnswering(&link_)) state += " - not answering";
    linkState_->setText(state);
  } else {
    QString why = QString::fromStdString(socket_.LastError());
    linkState_->setText(why.isEmpty() ? "Not connected" : "Not connected: " + why);
  }
}

void HostWindow::SetBench(bench::Bench* bench) {
  setProperty(plugin::kAudioBackendProperty,
              QVariant::fromValue(reinterpret_cast<quintptr>(
                  static_cast<measure::AudioBackend*>(bench->Card().get()))));
  benchWindow_ = new VirtualBenchWindow(*bench, this);
  QMenu* menu = menuBar()->addMenu("&Bench");
  menu->addAction("&Virtual bench...", this, [this] {
    benchWindow_->Refresh();
    benchWindow_->show();
    benchWindow_->raise();
  });
}

}  // namespace vt::host
