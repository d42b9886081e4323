// "Measurement status": one bold line saying what a calibration or a
// measurement is doing, a bar showing how far a long wait is, and a "Cancel"
// that stops it at its next measurement.
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

class TForm8 : public TToolWindow {
 public:
  explicit TForm8(QWidget* owner);
  // Shows the window with `text`; "" hides it.
  void SetStatus(const QString& text);
  // How far a long wait is ("Analysis 1 of 2: 40%"); total 0 hides the bar.
  void SetProgress(const QString& label, int done, int total);
  // A procedure starts: no cancel asked yet. "Cancel" or closing the window asks.
  void ResetCancel() { cancelled_ = false; }
  bool CancelRequested() const { return cancelled_; }

  QLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Button1 = nullptr;  // "Cancel"

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool cancelled_ = false;
};
