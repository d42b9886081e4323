#include "frame/Report.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFocusEvent>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include "common/gui/Dialogs.h"
#include "frame/TFrame1.h"

namespace vt::frame {

namespace {

// Focus moving from "Close Word report" to another control closes the report,
// as the button does; the window losing focus to another program does not.
class CloseOnFocusOut : public QObject {
 public:
  explicit CloseOnFocusOut(TFrame1& frame) : QObject(&frame), frame_(frame) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) {
      const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
      if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason) CloseReport(frame_);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TFrame1& frame_;
};

template <typename Addition>
void Add(TFrame1& frame, Addition add) {
  if (!frame.Report) return;
  std::string error;
  frame.Report->Saved(add(frame.Report->File(), error), error);
}

}  // namespace

bool TReport::Saved(bool ok, const std::string& error) {
  if (!ok && !failing_) ui::Dialogs::Instance().Error(ui::Q(error));
  failing_ = !ok;
  return ok;
}

bool ReportLogging(const TFrame1& frame) { return frame.Report && frame.LogResultCheckBox->isChecked(); }

void ReportHeading(TFrame1& frame, const std::string& text) {
  Add(frame, [&](report::ReportFile& f, std::string& e) { return f.Heading(text, e); });
}

void ReportLine(TFrame1& frame, const std::string& text) {
  Add(frame, [&](report::ReportFile& f, std::string& e) { return f.Line(text, e); });
}

void ReportBreak(TFrame1& frame) {
  Add(frame, [](report::ReportFile& f, std::string& e) { return f.Break(e); });
}

void ReportGraph(TFrame1& frame, QWidget& widget) {
  if (!frame.Report) return;
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  widget.grab().save(&buffer, "PNG");
  Add(frame, [&](report::ReportFile& f, std::string& e) { return f.Graph(png.toStdString(), e); });
}

void StartReportClick(TFrame1& frame) {
  ui::Dialogs& d = ui::Dialogs::Instance();
  d.Information("Don't close report in Word application. Use \"Close report\" button instead.");
  QString path = d.SaveFile("Start Word report", "Word documents (*.docx)");
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".docx";
  CloseReport(frame);
  auto* r = new TReport(ui::S(path), &frame);
  std::string error;
  if (!r->Saved(r->File().Start(error), error)) {
    delete r;
    return;
  }
  frame.Report = r;
  // Where Word came up with the report, the desktop's application may.
  if (d.Message("Information", "Open the report with the desktop's application for Word documents?",
                ui::Yes | ui::No, ui::Icon::Question) == ui::Yes)
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CloseReport(TFrame1& frame) {
  if (!frame.Report) return;
  TReport* r = frame.Report;
  frame.Report = nullptr;
  std::string error;
  r->Saved(r->File().Save(error), error);
  delete r;
}

void ConnectReport(TFrame1& frame) {
  QObject::connect(frame.StartReportButton, &QPushButton::clicked, &frame, [&frame] { StartReportClick(frame); });
  QObject::connect(frame.CloseReportButton, &QPushButton::clicked, &frame, [&frame] { CloseReport(frame); });
  frame.CloseReportButton->installEventFilter(new CloseOnFocusOut(frame));
}

}  // namespace vt::frame
