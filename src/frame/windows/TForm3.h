// "EC ES NS Wizzard": the echo canceller and the uplink echo suppressor tuned
// through perceptual bars, each change rewriting rows of the frame's lists
// and resent at once (the echo canceller's send takes only the changed rows
// while the wizard is open). "Get target status" polls the detectors every
// 100 ms; a poll that finds the link busy, down or not answering is skipped
// and the strip says so. The wizard keeps its positions in the memo block
// "EC_wizard".
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

#include <memory>
#include <string>

}  // namespace vt::frame
// Qt's classes are global: declared outside the namespace we are included in.
class QLabel;
class QTabWidget;
class QTimer;
namespace vt::frame {

class TForm3 : public TToolWindow {
 public:
  explicit TForm3(QWidget* owner);
  ~TForm3() override;

  // "Wizard" of the "Echo canceller" tab: Start, shown modally, Finish.
  void Open();
  // What the launcher does before showing: identification (the open-loop
  // detector shown or hidden), the frame's boxes checked, changed-rows mode
  // on with no kept text.
  void Start();
  // After closing: the timer stopped, changed-rows mode off.
  void Finish();

  // "Get target status" / "Stop getting target status".
  void Button1Click();
  // One tick of the status timer, for the page on screen.
  void Timer1Timer();
  bool SavePng(const QString& path);

  QTabWidget* PageControl1 = nullptr;
  QTimer* Timer1 = nullptr;
  QLabel* LinkStatus = nullptr;  // why the status is not updated, if it is not

 protected:
  void hideEvent(QHideEvent* e) override;

 private:
  struct Impl;
  void Changed(const std::string& control, bool byCode);
  void Report(const std::string& error);
  void BuildPages();
  void BuildStrip();
  QWidget* owner_;
  std::unique_ptr<Impl> impl_;
};
