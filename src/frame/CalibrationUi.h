// The calibrations' and measurements' side of the user interface on the
// frame's windows: message boxes and prompts through the dialog service, the
// "Measurement status" window with its Cancel, the level display and the FIR
// calculation window, and the report.
#pragma once

#include "telephonometry/BenchUi.h"

namespace vt::frame {

class TFrame1;

class FrameBenchUi : public telephonometry::BenchUi {
 public:
  // A procedure starts: no cancel asked yet. Without a frame nothing is
  // logged to the report.
  explicit FrameBenchUi(TFrame1* frame = nullptr);
  // The procedure is over: its windows go away.
  ~FrameBenchUi() override;

  void Message(const std::string& caption, const std::string& text,
               telephonometry::MessageIcon icon) override;
  bool Prompt(const std::string& text) override;
  void Status(const std::string& text) override;
  void ShowLevel(double rms) override;
  bool KeepResponsive() override;
  void Progress(const std::string& label, int done, int total) override;
  filters::FitObserver& FirWindow(const filters::Spectrum& measured) override;
  void HideFirWindow() override;
  bool Logging() override;
  void ReportLine(const std::string& text, telephonometry::ReportStyle style) override;
  void ReportGraph(telephonometry::ReportGraphOf window) override;

 private:
  TFrame1* frame_;
};

}  // namespace vt::frame
