// Cal CMU200: the tester's decoder (an input gain search on the right input)
// and then its encoder (the playback volume and generator amplitude that
// loop back through the tester at half the decoder's level).
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

// Rounds of the encoder amplitude search before it gives up.
constexpr int kAmplitudeRounds = 50;

int16_t Amplitude(double a) { return static_cast<int16_t>(std::clamp<long long>(Trunc(a), -32767, 32767)); }

}  // namespace

CalResult CalCmu200(const CalFile& file, const MeasurementInterfaces&, BenchUi& ui) {
  return RunCalibration(file, ui, [&](CalResult& r) {
    measure::TSineGenerator sine;
    measure::TUpSamplerBy6 up(&sine);
    measure::TSynchro generatorSynchro, synchro;
    sine.synchro = &generatorSynchro;
    generatorSynchro.SetThreshold(1);
    measure::TLevelAnalyzer level;
    measure::TDownSamplerBy6 down(&level);
    level.synchro = &synchro;
    synchro.SetThreshold(3);
    PortSession port;
    port.Open(true, true, nullptr, &down, nullptr, &up);
    sine.SetFrequency(1000);
    sine.SetAmplitude(0);
    measure::SetPlaybackVolume(-1, 100);
    measure::SetRecordVolume(-1, 1);
    Meter meter(level, synchro, ui);

    // The decoder.
    Prompt(ui, "Orignate call and configure CMU200 in \"decoder cal\" then press OK");
    ui.Status("Adjusting sound card gain...");
    const InputLevel in = InputGainSearch(
        meter, ui, {kRight, 15000, 8000, 100, 25, "In level is too high", "In level is too low"});
    const double decoderDb = in.dbfs - 3.14;
    const std::string g = IntToStr(in.cardGain);
    ShowResult(ui, r, "Sound card in gain=" + g + ", gain=" + ShownDb(decoderDb) + "dBfs for 0dBm0");
    r.cardGain = in.cardGain;
    r.gain = decoderDb;

    // The encoder: first the playback volume that brings the loop near the target.
    Prompt(ui, "Configure CMU200 in \"Encoder cal\" then press OK");
    ui.Status("Adjusting sound card gain...");
    meter.SetThreshold(3);
    int v = 100;
    double a = in.rms * 0.5;
    sine.SetAmplitude(Amplitude(a));
    double rms = 0;
    for (;;) {
      rms = meter.Measure(5);
      ui.ShowLevel(rms);
      if (rms > 16000 || rms >= 0.9 * a) break;
      v = static_cast<int>(Trunc(v * 1.3L));
      if (v > 32767) {
        v = 32767;
        measure::SetPlaybackVolume(-1, v);
        break;
      }
      measure::SetPlaybackVolume(-1, v);
    }
    if ((v == 32767 && rms <= 4000) || rms > 16000)
      Fail(rms > 4000 ? "Level coming from CMU is too high" : "Level coming from CMU is too low");
    double target = a;
    bool scaledDown = false;
    if (rms < 16000) {
      ui.Message(
          "Warning",
          "The output capability of sound card is very bad.\r\nThe cal is not stopped but can be wrong.",
          MessageIcon::Warning);
      target = a * 0.25;
      scaledDown = true;
    }
    // Then the amplitude that gives the target level.
    ui.Status("Adjusting generator level...");
    a = target / rms * a;
    for (int round = 0;; ++round) {
      if (round == kAmplitudeRounds) Fail("The encoder level did not settle: check the CMU200 configuration");
      sine.SetAmplitude(Amplitude(a));
      WaitFor(generatorSynchro, ui);
      rms = meter.Measure(2);
      ui.ShowLevel(rms);
      if (std::fabs(target - rms) < 5) break;
      a = target / rms * a;
    }
    port.Close();
    if (scaledDown) a *= 4;
    const double encoderDb = 20 * std::log10(a / 32767) + 2.88;

    CalWrites writes(file);
    writes.Float("cmu_dec_cal", "gain", decoderDb);
    writes.Integer("cmu_dec_cal", "card_gain", in.cardGain);
    writes.Float("cmu_enc_cal", "gain", encoderDb);
    writes.Integer("cmu_enc_cal", "card_gain", v);
    Commit(writes);
    r.outputCardGain = v;
    r.outputGain = encoderDb;
    const std::string sv = IntToStr(v);
    ShowResult(ui, r, "Sound card out gain=" + sv + ", gain=" + ShownDb(encoderDb) + "dBfs for 0dBm0");
    Report(ui, {"CMU decoder calibration", "Sound card input gain =" + g,
                "Gain =" + ShownDb(decoderDb) + "dBfs for 0dBm0"});
    Report(ui, {"CMU encoder calibration", "Sound card output gain =" + sv,
                "Gain =" + ShownDb(encoderDb) + "dBfs for 0dBm0"});
  });
}

}  // namespace vt::telephonometry
