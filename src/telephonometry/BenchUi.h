// How the calibration and measurement procedures talk to the user: message
// boxes, "Action" prompts, the "Measurement status" window, the level display,
// the FIR calculation window, the report. The GUI implements it with windows;
// tests and scripted sessions answer it themselves. Every call comes from the
// GUI thread, which runs the procedures.
#pragma once

#include <string>

#include "filters/FitObserver.h"
#include "filters/ResponsePoints.h"

namespace vt::telephonometry {

enum class MessageIcon { Information, Warning, Error };

// The report's paragraph styles the procedures use.
enum class ReportStyle { Heading, Normal };
// Windows whose graph a procedure puts in the report.
enum class ReportGraphOf { FirCalculation };

class BenchUi {
 public:
  virtual ~BenchUi() = default;

  // A modal message box; returns when it is dismissed.
  virtual void Message(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
  // A modal prompt with caption "Action", OK and Cancel; false on Cancel.
  virtual bool Prompt(const std::string& text) = 0;

  // The "Measurement status" window: shown with one line of text ("" hides it).
  virtual void Status(const std::string& text) = 0;
  // The level display: shows an rms value (sample units, 32767 = full scale).
  virtual void ShowLevel(double rms) = 0;
  // Processes pending window events; true once the user has asked to stop
  // (the status window's "Cancel"): the procedure then stops at its next
  // measurement, closes the port and writes nothing.
  virtual bool KeepResponsive() = 0;
  // Progress of a long wait under the status line ("Analysis 1 of 2"), done
  // of total steps; total 0 hides it.
  virtual void Progress(const std::string& label, int done, int total) {
    (void)label;
    (void)done;
    (void)total;
  }

  // The FIR calculation window, shown (not modal) with the measured response
  // before a fit and kept up to date by the observer during it; closing the
  // window cancels the fit (the observer's Cancelled).
  virtual filters::FitObserver& FirWindow(const filters::Spectrum& measured) = 0;
  // The FIR calculation window goes away once its result is taken.
  virtual void HideFirWindow() {}

  // True when a report is open and "Log result" is checked; then the
  // procedures add their lines with ReportLine.
  virtual bool Logging() { return false; }
  virtual void ReportLine(const std::string& text, ReportStyle style) {
    (void)text;
    (void)style;
  }
  // The current graph of a window, as a picture in the report.
  virtual void ReportGraph(ReportGraphOf window) { (void)window; }
};

}  // namespace vt::telephonometry
