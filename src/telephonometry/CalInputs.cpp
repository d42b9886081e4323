// Cal Ref mike, Cal Ear and Cal DL electrical IF: an input gain search on the
// left input, with a stimulus on the tester's encoder for the electrical one.
#include <algorithm>
#include <cmath>

#include "common/Numbers.h"
#include "measure/AudioPort.h"
#include "measure/Generators.h"
#include "measure/RateConverters.h"
#include "telephonometry/CalSession.h"

namespace vt::telephonometry {

using namespace detail;

namespace {

const char* const kTooHighAcoustic = "In level is too high, decrease preamp gain";
const char* const kTooLowAcoustic = "In level is too low, verify calibrator or preamp gain";

// The left input alone: down-sampler, level analyzer.
InputLevel SearchLeftInput(BenchUi& ui, const InputSearch& search) {
  measure::TLevelAnalyzer level;
  measure::TDownSamplerBy6 down(&level);
  measure::TSynchro synchro;
  level.synchro = &synchro;
  PortSession port;
  port.Open(true, false, &down, nullptr, nullptr, nullptr);
  Meter meter(level, synchro, ui);
  const InputLevel in = InputGainSearch(meter, ui, search);
  port.Close();
  return in;
}

// Cal Ref mike and Cal Ear store the same way.
void StoreAcoustic(const CalFile& file, BenchUi& ui, CalResult& r, const std::string& section,
                   const std::string& heading, const InputLevel& in, double db) {
  CalWrites writes(file);
  writes.Float(section, "gain", db);
  writes.Integer(section, "card_gain", in.cardGain);
  Commit(writes);
  r.cardGain = in.cardGain;
  r.gain = db;
  const std::string g = IntToStr(in.cardGain);
  ShowResult(ui, r, "Sound card in gain=" + g + ", gain=" + ShownDb(db) + "dBfs for 0dBPa");
  Report(ui,
         {heading, "Sound card input gain =" + g, "Electro-acoustic gain =" + ShownDb(db) + "dBfs for 0dBPa",
          "(Considering 94dBSPL from calibrator)"});
}

}  // namespace

CalResult CalRefMike(const CalFile& file, const MeasurementInterfaces&, BenchUi& ui) {
  return RunCalibration(file, ui, [&](CalResult& r) {
    Prompt(ui, "Place ref mike on sound calibrator then press OK");
    ui.Status("Adjusting sound card gain...");
    const InputLevel in =
        SearchLeftInput(ui, {kLeft, 3000, 1500, 100, 100, kTooHighAcoustic, kTooLowAcoustic});
    StoreAcoustic(file, ui, r, "ref_mike_cal", "Reference mike calibration", in, in.dbfs);
  });
}

CalResult CalEar(const CalFile& file, const MeasurementInterfaces& interfaces, BenchUi& ui) {
  return RunCalibration(file, ui, [&](CalResult& r) {
    const DlInterface dl = interfaces.dl;
    if (dl == DlInterface::Electrical) Fail("Use Cal DL electrical IF for the electrical interface");
    Prompt(ui, "Place calibrator on artificial ear and press OK");
    ui.Status("Adjusting sound card gain...");
    const InputLevel in =
        SearchLeftInput(ui, {kLeft, 3200, 1500, 100, 100, kTooHighAcoustic, kTooLowAcoustic});
    StoreAcoustic(file, ui, r, EarSection(dl), "Calibration of" + EarDisplayName(dl), in,
                  in.dbfs - (CalibratorLevel(dl) - 94));
  });
}

namespace {

// The generator amplitude that sends -16 dBm0 into the tester's encoder: the
// modulated 1 kHz tone of amplitude 500 measured offline, referred to the
// encoder calibration.
double ElectricalStimulusAmplitude(const CalData& cal, BenchUi& ui) {
  measure::TSineGenerator sine;
  measure::TAmplitudeModulation modulation(&sine);
  measure::TLevelAnalyzer level;
  sine.SetFrequency(1000);
  sine.SetAmplitude(500);
  modulation.SetFrequency(6);
  modulation.SetDepth(80);
  RunOffline(modulation, level, 500, 1000, ui);
  double rms = 0;
  level.GetLevel(nullptr, &rms);
  return 500 * std::pow(10.0, 0.05 * (-16 - EncoderLevelDbm0(cal, rms)));
}

}  // namespace

CalResult CalDlElectricalIf(const CalFile& file, const MeasurementInterfaces&, BenchUi& ui) {
  return RunCalibration(file, ui, [&](CalResult& r) {
    CalData cal;
    std::string error;
    if (!LoadCalData(file, 0, cal, error)) Fail(error);
    // The stimulus is set from the encoder's calibration.
    if (cal.encoderCardGain <= 0) Fail("Calibrate CMU first!");
    const double amplitude = ElectricalStimulusAmplitude(cal, ui);

    measure::TSineGenerator sine;
    measure::TAmplitudeModulation modulation(&sine);
    measure::TUpSamplerBy6 up(&modulation);
    measure::TSynchro generatorSynchro, synchro;
    sine.synchro = &generatorSynchro;
    generatorSynchro.SetThreshold(1);
    measure::TLevelAnalyzer level;
    measure::TDownSamplerBy6 down(&level);
    level.synchro = &synchro;
    synchro.SetThreshold(10);
    PortSession port;
    port.Open(true, true, &down, nullptr, nullptr, &up);
    sine.SetFrequency(1000);
    sine.SetAmplitude(0);
    modulation.SetFrequency(6);
    modulation.SetDepth(80);
    measure::SetPlaybackVolume(-1, cal.encoderCardGain);
    measure::SetRecordVolume(1, -1);
    Prompt(ui, "Orignate call with phone then press OK");
    ui.Status("Adjusting sound card gain...");
    sine.SetAmplitude(static_cast<int16_t>(std::min<long long>(Trunc(amplitude), 32767)));
    Meter meter(level, synchro, ui);
    // The final reading spans 40 buffers (threshold 39): 2 s, a whole number
    // of the 6 Hz modulation's periods, so the envelope's phase does not count.
    const InputLevel in = InputGainSearch(
        meter, ui, {kLeft, 3500, 1000, 10, 39, "In level is too high", "In level is too low"});
    port.Close();

    const double db = in.dbfs + 16;
    CalWrites writes(file);
    writes.Float("ear_cal_elec", "gain", db);
    writes.Integer("ear_cal_elec", "card_gain", in.cardGain);
    Commit(writes);
    r.cardGain = in.cardGain;
    r.gain = db;
    const std::string g = IntToStr(in.cardGain);
    ShowResult(ui, r, "Sound card in gain=" + g + ", gain=" + ShownDb(db) + "dBm0 for 0dBm0");
    Report(ui, {"DL electrical calibration", "Sound card input gain =" + g,
                "Gain =" + ShownDb(db) + "dBm0 for 0dBm0"});
  });
}

}  // namespace vt::telephonometry
