// The measurement report of the "Word report" group: a .docx file that
// "Start Word report" creates where the user says, every logged result is
// added to (and saved at once, so nothing added is lost), and "Close Word
// report" finishes. The frame holds it as `Report` (null when none is open).
//
// What a measurement's button handler calls to log its result:
//
//   if (ReportLogging(frame)) {
//     ReportHeading(frame, "Receiving measurement");
//     ReportLine(frame, "Frequency response:");
//     ReportGraph(frame, graphWidget);  // the result window's plot
//     ReportLine(frame, "RLR = " + value + "dB");
//   }
//
// Every Report* call does nothing when no report is open. A save that fails
// is said once (caption "Error"); the report keeps what was added and the
// next addition saves it all again.
#pragma once

#include <QObject>

#include <string>

#include "report/ReportFile.h"

class QWidget;

namespace vt::frame {

class TFrame1;

class TReport : public QObject {
 public:
  // The report at `path`, a child of the frame: it goes with the frame.
  TReport(const std::string& path, QObject* owner) : QObject(owner), file_(path) {}

  const std::string& Path() const { return file_.Path(); }
  report::ReportFile& File() { return file_; }
  // Shows the first failure of a run of failed saves; true when `ok`.
  bool Saved(bool ok, const std::string& error);

 private:
  report::ReportFile file_;
  bool failing_ = false;
};

// True when a report is open and "Log result" is checked: the measurement
// then adds its result with the calls below.
bool ReportLogging(const TFrame1& frame);
// A heading (style "Heading 1") and the empty paragraph after it.
void ReportHeading(TFrame1& frame, const std::string& text);
// A paragraph of text in the Normal style.
void ReportLine(TFrame1& frame, const std::string& text);
// An empty paragraph.
void ReportBreak(TFrame1& frame);
// The widget's picture as it is drawn now (a graph), 610 pixels wide on the
// page, and an empty paragraph after it.
void ReportGraph(TFrame1& frame, QWidget& widget);

// "Start Word report" and "Close Word report" (also when focus leaves it).
void StartReportClick(TFrame1& frame);
void CloseReport(TFrame1& frame);
void ConnectReport(TFrame1& frame);

}  // namespace vt::frame
