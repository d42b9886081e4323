// What the host window does while the module waits for the socket manager:
// it keeps repainting, shows a busy indicator naming the operation once a
// batch has waited half a second (with a Cancel button), and puts the link's
// messages in the status bar. Installed as the link object's observer.
#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QProgressDialog>
#include <QStatusBar>

#include "handset/SocketManager.h"

namespace vt::host {

class LinkActivity : public LinkObserver {
 public:
  static constexpr int kShowBusyAfterMs = 500;

  explicit LinkActivity(QMainWindow* window) : window_(window) {}
  ~LinkActivity() override { WaitOver(); }

  bool Waiting(const std::string& operation, int elapsedMs) override {
    if (!busy_ && elapsedMs >= kShowBusyAfterMs) ShowBusy(operation);
    if (!busy_) {
      // Repaint and run timers, but keep the user's input for later.
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
      return true;
    }
    // The busy indicator is modal: only its Cancel button takes input.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return busy_ && !busy_->wasCanceled();
  }

  void WaitOver() override {
    if (busy_) {
      busy_->hide();
      busy_->deleteLater();
    }
    busy_ = nullptr;
  }

  void Status(const std::string& text) override {
    if (window_) window_->statusBar()->showMessage(QString::fromStdString(text), 20000);
  }

  QProgressDialog* Busy() const { return busy_; }

 private:
  void ShowBusy(const std::string& operation) {
    busy_ = new QProgressDialog(window_);
    busy_->setObjectName("LinkBusy");
    busy_->setWindowTitle("Waiting for the handset");
    busy_->setLabelText(QString::fromStdString(operation) + "...");
    busy_->setCancelButtonText("Cancel");
    busy_->setRange(0, 0);  // no known end: a busy bar
    busy_->setMinimumDuration(0);
    busy_->setAutoClose(false);
    busy_->setAutoReset(false);
    busy_->setWindowModality(Qt::ApplicationModal);
    busy_->show();
  }

  QPointer<QMainWindow> window_;
  QPointer<QProgressDialog> busy_;
};

}  // namespace vt::host
