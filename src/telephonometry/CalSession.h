// What the calibration procedures share: the frame every procedure runs in
// (cal file check, status window, messages, nothing written on failure), the
// port held for one procedure, level measurements that let the user stop, and
// the input gain search.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "filters/FirDesign.h"
#include "filters/ResponsePoints.h"
#include "measure/LevelAnalyzer.h"
#include "measure/MeasureTool.h"
#include "telephonometry/Calibration.h"

namespace vt::telephonometry::detail {

inline constexpr int kPortRate = 48000;
inline constexpr int kBufferLength = 4800;
inline constexpr int kLeft = 0, kRight = 1;

// Thrown inside a procedure to end it; the frame shows the message.
struct CalStop {
  CalOutcome outcome;
  std::string caption;
  std::string text;
};
[[noreturn]] void Fail(const std::string& text);
[[noreturn]] void StoppedByUser();

// Runs `body` in the frame every procedure shares; `body` fills the result
// and returns normally on success.
CalResult RunCalibration(const CalFile& file, BenchUi& ui, const std::function<void(CalResult&)>& body);

// An "Action" prompt; Cancel stops the procedure.
void Prompt(BenchUi& ui, const std::string& text);
// Shows a result (caption "Cal result").
void ShowResult(BenchUi& ui, CalResult& result, const std::string& text);
// Writes the procedure's values in one save, or stops it with the reason.
void Commit(const CalWrites& writes);
// Report lines, when the report logs results: the first as a heading.
void Report(BenchUi& ui, const std::vector<std::string>& lines);

// A dB value as the messages show it: truncated toward zero to 0.01.
std::string ShownDb(double db);

// The port for one procedure: buffer pools reset on creation; recording and
// playback stopped and the port closed when it goes (or on Close).
class PortSession {
 public:
  PortSession();
  ~PortSession();
  PortSession(const PortSession&) = delete;
  PortSession& operator=(const PortSession&) = delete;

  // Opens the port (48000 Hz, stereo, 4800 values); stops the procedure when
  // the sound card cannot be opened.
  void Open(bool input, bool output, measure::TMeasureTool* leftAnalyzer,
            measure::TMeasureTool* rightAnalyzer, measure::TMeasureTool* leftGenerator,
            measure::TMeasureTool* rightGenerator);
  void Close();

 private:
  bool open_ = false;
};

// Level measurements on one analyzer and its synchro. Every wait is followed
// by the user's chance to stop (BenchUi::KeepResponsive).
class Meter {
 public:
  Meter(measure::TLevelAnalyzer& level, measure::TSynchro& synchro, BenchUi& ui)
      : level_(level), synchro_(synchro), ui_(ui) {}
  void SetThreshold(int threshold) { synchro_.SetThreshold(threshold); }
  // Reset the analyzer and wait for its synchro.
  void ResetAndWait();
  double Rms() const;
  // `passes` reset-and-waits, then the rms.
  double Measure(int passes);

 private:
  measure::TLevelAnalyzer& level_;
  measure::TSynchro& synchro_;
  BenchUi& ui_;
};

// Waits for a synchro that a setter armed (a generator's), then lets the user stop.
void WaitFor(measure::TSynchro& synchro, BenchUi& ui);

// Runs `source` into `sink` offline, without the sound card: `buffers`
// buffers of `values` values. The user may stop every 100 buffers.
void RunOffline(measure::TMeasureTool& source, measure::TMeasureTool& sink, int buffers, int values, BenchUi& ui);

// A correction FIR fitted to a measured response on the FIR calculation
// window (8000 Hz), the corrected response aimed at `target` dB.
struct CorrectionFit {
  filters::FirDesign fir;
  long double ripple = 0;
};
// Counts from `first` up by 2 to 125: the first fit whose ripple is at most
// `enough` dB, else the one with the smallest ripple; failed fits never count.
// Closing the window stops the procedure. Empty when every fit failed.
std::optional<CorrectionFit> FitCorrection(const filters::Spectrum& measured, long double target, int first,
                                           long double enough, BenchUi& ui);

struct InputSearch {
  int channel = kLeft;
  double upper = 0, lower = 0;
  int minGain = 0;
  int finalThreshold = 0;
  std::string tooHigh, tooLow;
};

struct InputLevel {
  int cardGain = 0;
  double rms = 0;
  double dbfs = 0;  // 20*log10(rms / 32767)
};

// The record volume that brings the channel's level below `upper`, and the
// level measured there with the final threshold. The port stays open.
InputLevel InputGainSearch(Meter& meter, BenchUi& ui, const InputSearch& search);

}  // namespace vt::telephonometry::detail
