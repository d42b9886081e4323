// What the measurements need from the calibration file: the measurement
// interface choices of the "Configuration" tab, the ear types, the
// calibration data record and the check that everything was calibrated.
#pragma once

#include <string>
#include <vector>

#include "telephonometry/BenchUi.h"
#include "telephonometry/CalFile.h"

namespace vt::telephonometry {

// "DL measurement IF".
enum class DlInterface { Type1, Type32LowLeak, Type32HighLeak, Type33, Electrical };
// "UL measurement IF".
enum class UlInterface { ArtificialMouth, Electrical };

struct MeasurementInterfaces {
  DlInterface dl = DlInterface::Type32LowLeak;
  UlInterface ul = UlInterface::ArtificialMouth;
};

// Ear type codes: 0 electrical, 1 Type 1 or free-field, 2 Type 3.2 low leak,
// 3 Type 3.2 hi leak, 4 Type 3.3.
int EarTypeCode(DlInterface dl);
// "elec", "1", "32LL", "32HL", "33"; "" for an unknown code.
std::string EarSuffix(int code);
// "ear_cal_" + the suffix.
std::string EarSection(DlInterface dl);
// The calibrator's level on the ear, dB SPL (94 for the electrical interface).
double CalibratorLevel(DlInterface dl);
// As the report names the ear ("ear type 3.2 low leak" ...).
std::string EarDisplayName(DlInterface dl);

inline constexpr int kMaxCalFir = 300;

struct CalData {
  double mouthRefLevel = 0;
  int mouthCardGain = 0;
  double earGain = 0;
  int earCardGain = 0;
  double encoderGain = 0;
  int encoderCardGain = 0;
  double decoderGain = 0;
  int decoderCardGain = 0;
  std::vector<double> mouthFir;  // "fir_order" coefficients (at most kMaxCalFir)
  std::vector<double> earFir;    // {1.0} for codes 0 and 1
  bool electrical = false;
};

// Levels of an rms value v (sample units) through the record's gains.
double EncoderLevelDbm0(const CalData& cal, double v);  // dBm0 into the tester's encoder
double DecoderLevelDbm0(const CalData& cal, double v);  // dBm0 out of the tester's decoder
double EarLevelDbPa(const CalData& cal, double v);      // dBPa at the ear
double MouthLevelDbPa(const CalData& cal, double v);    // dBPa at the mouth reference point

// Reads the record for an ear type code. False with the reason in `error` when
// the file cannot be read or a value is not a number.
bool LoadCalData(const CalFile& file, int earTypeCode, CalData& data, std::string& error);

// Before a measurement: everything it needs is calibrated. Otherwise tells the
// user what to calibrate first (caption "Error") and returns false.
bool CheckCalibrations(const CalFile& file, DlInterface dl, BenchUi& ui);

}  // namespace vt::telephonometry
