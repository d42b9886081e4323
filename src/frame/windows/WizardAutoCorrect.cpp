// "FIR auto correct" off the GUI thread: the run works on its own copy of the
// FIR and of the inputs; the window polls its passes, shows them in the
// "AutoCorrect" progress window and draws the latest FIR, and stays usable
// (its editing controls locked) until the run ends or is cancelled.
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

#include "common/Numbers.h"
#include "common/gui/Dialogs.h"
#include "filters/AutoCorrect.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

struct TFilterWizard::Run final : filters::FitObserver {
  filters::FirDesign fir;  // the run's own; read by the window only under `lock`
  filters::FitContext context;
  filters::AutoCorrectOptions options;
  filters::AutoCorrectResult result;
  std::atomic<bool> cancel{false};
  std::atomic<bool> done{false};
  std::mutex lock;
  filters::FirDesign latest;
  std::string phase;
  int pass = 0;
  long double worst = NAN;
  std::thread thread;

  void SetProgressText(std::string_view text) override {
    std::lock_guard<std::mutex> g(lock);
    phase = std::string(text);
  }
  void Repaint(const filters::FirDesign& f, const filters::MaskMargins& margins) override {
    std::lock_guard<std::mutex> g(lock);
    latest = f;
    ++pass;
    // After the alignment the worst upper and lower margins are equal.
    const bool any = margins.minUpper < filters::kNoMargin || margins.minLower < filters::kNoMargin;
    worst = any ? (margins.minUpper + margins.minLower) / 2 : NAN;
  }
  bool Cancelled() override { return cancel; }
};

void TFilterWizard::RunDeleter::operator()(Run* run) const { delete run; }

TFilterWizard::~TFilterWizard() {
  if (!run_) return;
  run_->cancel = true;
  run_->thread.join();
  if (Form4) Form4->End();
}

void TFilterWizard::SetEditing(bool on) {
  for (QWidget* w : findChildren<QGroupBox*>()) w->setEnabled(on);
  Button3->setEnabled(on);
  Button4->setEnabled(on);
  if (CheckBox6) CheckBox6->setEnabled(on);
}

void TFilterWizard::AutoCorrectClick() {
  if (run_ || !hasPasted_) return;
  run_.reset(new Run);
  Run& r = *run_;
  r.fir = fir_;
  r.latest = fir_;
  r.context = filters::FitContext{mask_, plot_, Fixed()};
  r.options.noFlatness = noFlatness->isChecked();
  SetEditing(false);
  if (Form4) Form4->Begin([this] { if (run_) run_->cancel = true; });
  // The cached evaluation of the core, on the run's own copies.
  r.thread = std::thread([&r] {
    r.result = filters::AutoCorrect(r.fir, r.context, r.options, r);
    r.done = true;
  });
  runTimer_->start();
}

void TFilterWizard::PollRun() {
  if (!run_) return;
  Run& r = *run_;
  QString phase, worst;
  int pass = 0;
  {
    std::lock_guard<std::mutex> g(r.lock);
    fir_ = r.latest;
    phase = QString::fromStdString(r.phase);
    pass = r.pass;
    worst = std::isfinite(r.worst) ? QString::fromStdString(FloatToStr(Trunc(r.worst * 100) / 100.0L)) + " dB"
                                   : QString("none");
  }
  if (Form4) Form4->Progress(phase, pass, worst);
  PaintBox1->update();
  if (!r.done) return;
  runTimer_->stop();
  r.thread.join();
  fir_ = r.fir;
  const bool designable = r.result.designable, outOfReach = r.result.maskOutOfReach;
  run_.reset();
  if (Form4) Form4->End();
  SetEditing(true);
  {
    // The level bar shows the run's level of its band without setting it again.
    const QSignalBlocker quiet(ScrollBar2);
    ScrollBar2->setValue(int(RoundHalfToZero(fir_.levels[ScrollBar1->value()] * 10 + 200)));
    Label4->setText(QString::fromStdString(FloatToStr((ScrollBar2->value() - 200) * 0.1L)) + "dB");
  }
  PaintBox1->update();
  if (outOfReach)
    ui::Dialogs::Instance().Warning(
        QString("The mask cannot be reached: the FIR would need more gain than its 16-bit words "
                "hold.") +
        (designable ? "" : " The levels reached have no fixed-point FIR either: lower them (or "
                           "press \"Flat\") before \"OK\"."));
  else if (!designable)
    ui::Dialogs::Instance().Error("Cannot make a fixed point implementation of this FIR");
}

void TFilterWizard::CancelRun() {
  if (!run_) return;
  run_->cancel = true;
  // The run ends at its next pass; its result is taken as a finished run's.
  while (!run_->done) std::this_thread::yield();
  PollRun();
}

void TFilterWizard::closeEvent(QCloseEvent* event) {
  CancelRun();
  event->accept();
}

void TFilterWizard::reject() {
  CancelRun();
  TToolWindow::reject();
}

}  // namespace vt::frame
