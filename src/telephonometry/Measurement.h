// The loudness and echo measurements of the "Measurements" page: a modulated
// multi-tone stimulus played through the calibrated bench while a handset is
// in a call, its response analysed in twelfth- and third-octave bands and
// reduced to RLR, SLR or TCLw. Each runs modal on the GUI thread and talks to
// the user through the BenchUi (status, progress, cancel).
#pragma once

#include <array>
#include <string>

#include "filters/ThirdOctaveBands.h"
#include "telephonometry/BenchUi.h"
#include "telephonometry/CalData.h"
#include "telephonometry/Calibration.h"

namespace vt::telephonometry {

enum class MeasurementKind { Receive, Send, Echo };

inline constexpr int kResponseBands = 72;  // twelfth-octave, 62.5 .. 3775 Hz
inline constexpr int kRatingBands = 18;    // third-octave, 62.5 .. 3175 Hz

struct Measurement {
  MeasurementKind kind = MeasurementKind::Receive;
  CalOutcome outcome = CalOutcome::Failed;
  std::string message;  // why it failed or stopped
  double figure = 0;    // RLR, SLR (dB) or TCLw (dB)
  // The received twelfth-octave band rms values (sample units) at their
  // centre frequencies 62.5 * 2^(i/12) Hz.
  std::array<double, kResponseBands> levels{}, frequencies{};
  // Third-octave rms values of what came back (R) and of the stimulus (T).
  std::array<double, kRatingBands> received{}, stimulus{};
  filters::BandSpectrum grid;  // the per-band values the figure comes from
  bool Ok() const { return outcome == CalOutcome::Ok; }
};

// The file the stimulus is played from, rewritten by every measurement in
// the current directory.
inline constexpr const char* kStimulusFile = "temp.wav";

Measurement MeasureReceive(const CalData& cal, BenchUi& ui, bool showStatus);
Measurement MeasureSend(const CalData& cal, BenchUi& ui, bool showStatus);
Measurement MeasureEcho(const CalData& cal, BenchUi& ui, bool showStatus);

// The figure's caption ("RLR = ", "SLR = ", "TCL = ") and its text with the
// value truncated toward zero to 0.01 dB ("RLR = 1.49dB").
std::string FigureCaption(MeasurementKind kind);
std::string FigureText(MeasurementKind kind, double figure);
// A result level as the window and the clipboard show it: the band's rms
// through the ear (receive) or the decoder (send, echo), truncated toward
// zero to 0.01 dB.
double ShownLevel(const CalData& cal, MeasurementKind kind, double rms);

}  // namespace vt::telephonometry
