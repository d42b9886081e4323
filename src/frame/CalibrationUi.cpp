#include "frame/CalibrationUi.h"

#include <QApplication>

#include "common/gui/Dialogs.h"
#include "frame/Report.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

FrameBenchUi::FrameBenchUi(TFrame1* frame) : frame_(frame) {
  if (Form8) Form8->ResetCancel();
}

FrameBenchUi::~FrameBenchUi() {
  if (Form8) Form8->SetStatus("");
  if (Form7) Form7->hide();
}

void FrameBenchUi::Message(const std::string& caption, const std::string& text,
                           telephonometry::MessageIcon icon) {
  const ui::Icon i = icon == telephonometry::MessageIcon::Error     ? ui::Icon::Error
                     : icon == telephonometry::MessageIcon::Warning ? ui::Icon::Warning
                                                                    : ui::Icon::Information;
  ui::Dialogs::Instance().Message(ui::Q(caption), ui::Q(text), ui::Ok, i);
}

bool FrameBenchUi::Prompt(const std::string& text) {
  return ui::Dialogs::Instance().Message("Action", ui::Q(text), ui::Ok | ui::Cancel,
                                         ui::Icon::Information) == ui::Ok;
}

void FrameBenchUi::Status(const std::string& text) {
  if (Form8) Form8->SetStatus(ui::Q(text));
  QApplication::processEvents();
}

void FrameBenchUi::ShowLevel(double rms) {
  if (!Form7) return;
  Form7->ShowLevel(rms);
  if (!Form7->isVisible()) Form7->show();
}

bool FrameBenchUi::KeepResponsive() {
  QApplication::processEvents();
  return Form8 && Form8->CancelRequested();
}

void FrameBenchUi::Progress(const std::string& label, int done, int total) {
  if (Form8) Form8->SetProgress(ui::Q(label), done, total);
}

filters::FitObserver& FrameBenchUi::FirWindow(const filters::Spectrum& measured) {
  Form6->Load(measured);
  return *Form6;
}

void FrameBenchUi::HideFirWindow() {
  if (Form6) Form6->hide();
}

bool FrameBenchUi::Logging() { return frame_ && ReportLogging(*frame_); }

void FrameBenchUi::ReportLine(const std::string& text, telephonometry::ReportStyle style) {
  if (!frame_) return;
  if (style == telephonometry::ReportStyle::Heading)
    ReportHeading(*frame_, text);
  else
    frame::ReportLine(*frame_, text);
}

void FrameBenchUi::ReportGraph(telephonometry::ReportGraphOf window) {
  if (!frame_) return;
  switch (window) {
    case telephonometry::ReportGraphOf::FirCalculation:
      if (Form6) frame::ReportGraph(*frame_, *Form6->PaintBox1);
      break;
  }
}

}  // namespace vt::frame
