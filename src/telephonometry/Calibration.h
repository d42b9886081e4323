// The calibration procedures of the "Calibration" tab. Each runs modal on the
// GUI thread: it asks the user to set up the bench through the BenchUi, drives
// the sound-card port, shows its result and writes it to the cal file in one
// save. A procedure that fails or is stopped writes nothing.
#pragma once

#include <string>
#include <vector>

#include "telephonometry/BenchUi.h"
#include "telephonometry/CalData.h"
#include "telephonometry/CalFile.h"

namespace vt::telephonometry {

enum class CalOutcome { Ok, Failed, Cancelled };

struct CalResult {
  CalOutcome outcome = CalOutcome::Failed;
  std::string message;  // the last message shown to the user

  // Input calibrations: the record volume and gain stored. Cal CMU200: the
  // decoder's; the encoder's are in outputCardGain / outputGain.
  int cardGain = 0;
  double gain = 0;
  int outputCardGain = 0;
  double outputGain = 0;

  // Cal mouth.
  double refLevel = 0;
  double minLevel = 0, maxLevel = 0;  // corrected levels of the final sweep, dBPa
  bool withinLimits = false;          // -4.7 dBPa +/- 0.2 dB, ripple <= 0.4 dB
  std::vector<double> fir;

  bool Ok() const { return outcome == CalOutcome::Ok; }
};

CalResult CalRefMike(const CalFile& file, const MeasurementInterfaces& interfaces, BenchUi& ui);
CalResult CalEar(const CalFile& file, const MeasurementInterfaces& interfaces, BenchUi& ui);
CalResult CalCmu200(const CalFile& file, const MeasurementInterfaces& interfaces, BenchUi& ui);
CalResult CalDlElectricalIf(const CalFile& file, const MeasurementInterfaces& interfaces, BenchUi& ui);
CalResult CalMouth(const CalFile& file, const MeasurementInterfaces& interfaces, BenchUi& ui);

}  // namespace vt::telephonometry
