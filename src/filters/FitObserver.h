// How a fitting run talks to the window that hosts it: progress texts, the
// processing of pending window events once per pass, repaints of the current
// state, and the cancel request it tests before every pass.
#pragma once

#include <string>
#include <string_view>

#include "filters/FirDesign.h"
#include "filters/Margins.h"

namespace vt::filters {

inline constexpr std::string_view kMaskCorrectionText = "Mask correction...";
inline constexpr std::string_view kFlatnessText = "Flatness optimisation...";

class FitObserver {
 public:
  virtual ~FitObserver() = default;
  // The run starts: show the progress, forget an earlier cancel, keep paints
  // requested by the window system away until Finished.
  virtual void Started() {}
  virtual void SetProgressText(std::string_view text) {}
  // Process pending window events (where a cancel lands).
  virtual void ProcessEvents() {}
  // Draw the current state; margins are those of the current taps.
  virtual void Repaint(const FirDesign& fir, const MaskMargins& margins) {}
  // The FIR calculation measured the ripple of the corrected response, dB.
  virtual void RippleChanged(long double ripple) {}
  // Tested before every pass; true ends the loop that is running.
  virtual bool Cancelled() { return false; }
  // The run is over (the last repaint may follow).
  virtual void Finished() {}
};

// The FIR calculation's ripple label: two decimals truncated toward zero, "db".
std::string RippleText(long double ripple);

}  // namespace vt::filters
