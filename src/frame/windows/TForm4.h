// "AutoCorrect": the progress of a filter wizard's auto-correction (its phase,
// the pass reached and the worst mask margin) with its "Cancel".
//
// Included by frame/ToolWindows.h inside its namespace: include that header.
#pragma once

class TForm4 : public TToolWindow {
 public:
  explicit TForm4(QWidget* owner);
  // Shows the window for a run; `cancel` is called by "Cancel" and by closing it.
  // It is modal while shown, so that it takes input over a modal wizard.
  void Begin(std::function<void()> cancel);
  void Progress(const QString& phase, int pass, const QString& worst);
  void End();

  QLabel* Label1 = nullptr;  // the phase
  QLabel* Label2 = nullptr;  // pass and worst margin
  QPushButton* Button1 = nullptr;  // "Cancel"

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> cancel_;
};
