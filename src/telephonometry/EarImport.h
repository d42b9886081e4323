// "Import ear data": the ERP-DRP transfer function of the selected artificial
// ear, read from an "*.ada" file, flattened by a symmetric FIR fitted on the
// FIR calculation window, and stored with its points in the cal file's
// "ERP-DRP_" section of that ear (in one save; nothing is written when the
// file cannot be used or the user stops the fit).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "filters/ResponsePoints.h"
#include "telephonometry/BenchUi.h"
#include "telephonometry/CalData.h"
#include "telephonometry/CalFile.h"
#include "telephonometry/Calibration.h"

namespace vt::telephonometry {

// The file offered first for an ear type ("oes_ll.ada" ...; "*.ada" for
// type 1); "" for the electrical interface.
std::string DefaultEarDataFile(DlInterface dl);

// Fits start at this many coefficients and grow by 2 until the corrected
// response's ripple is at most kEarRipple dB, up to 125.
inline constexpr int kFirstEarFirCount = 7;
inline constexpr long double kEarRipple = 0.4L;

struct EarImportResult {
  CalOutcome outcome = CalOutcome::Failed;
  std::string message;  // the last message shown to the user
  filters::Spectrum points;
  std::vector<double> fir;
  long double ripple = 0;  // of the corrected response with that FIR, dB

  bool Ok() const { return outcome == CalOutcome::Ok; }
};

// Asks for the file (the default file's name and the DL interface's default;
// "" when cancelled), reads it and stores the fit.
using ChooseEarFile = std::function<std::string(const std::string& defaultFile)>;
EarImportResult ImportEarData(const CalFile& file, const MeasurementInterfaces& interfaces,
                              const ChooseEarFile& choose, BenchUi& ui);

}  // namespace vt::telephonometry
