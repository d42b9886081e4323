// Cal mouth: the playback volume and generator amplitude that give -4.7 dBPa
// at the mouth reference point at 1 kHz, and a correction FIR that flattens
// the mouth's response, fitted from sweeps read by the reference microphone.
#include <algorithm>
#include <cmath>
#include <optional>

#include "common/Numbers.h"
#include "measure/AudioPort.h"
#include "measure/ConversionFilter.h"
#include "measure/FirFilter.h"
#include "measure/Generators.h"
#include "measure/RateConverters.h"
#include "telephonometry/CalSession.h"

namespace vt::telephonometry {

using namespace detail;

namespace {

constexpr double kTargetDbPa = -4.7;
constexpr int kFirstCount = 47;
constexpr int kSweepPoints = 64;

// 62.5 * 2^(i/12) for i = 8..71: twelfth-octave steps from 99.2 Hz below 4 kHz.
double SweepHz(int k) { return 62.5 * std::pow(2.0, (k + 8) / 12.0); }

// Counts from 47: the first fit within `enough` dB of ripple, else the best.
filters::FirDesign FitMouth(const filters::Spectrum& measured, long double enough, BenchUi& ui) {
  const std::optional<CorrectionFit> fit = FitCorrection(measured, kTargetDbPa, kFirstCount, enough, ui);
  if (!fit) Fail("The mouth response cannot be corrected: no FIR up to 125 coefficients fits it");
  return fit->fir;
}

}  // namespace

CalResult CalMouth(const CalFile& file, const MeasurementInterfaces&, BenchUi& ui) {
  return RunCalibration(file, ui, [&](CalResult& r) {
    double refGain = -1;
    long long refCardGain = -1;
    {
      const CalReader reader(file);
      std::string error;
      if (!reader.Error().empty()) Fail(reader.Error());
      if (!reader.Float("ref_mike_cal", "gain", -1, refGain, error) ||
          !reader.Integer("ref_mike_cal", "card_gain", -1, refCardGain, error))
        Fail(error);
    }
    if (refCardGain <= 0) Fail("Calibrate ref mike first!");
    Prompt(ui, "Place ref mike on mouth");
    ui.Status("Adjusting sound card gain...");

    measure::TSineGenerator sine;
    measure::TFirFilter correction(&sine);
    measure::TUpSamplerBy6 up(&correction);
    measure::TSynchro generatorSynchro, synchro;
    sine.synchro = &generatorSynchro;
    generatorSynchro.SetThreshold(1);
    measure::TLevelAnalyzer level;
    measure::TDownSamplerBy6 down(&level);
    level.synchro = &synchro;
    PortSession port;
    port.Open(true, true, &down, nullptr, &up, nullptr);
    sine.SetFrequency(1000);
    double amplitude = 3200;
    sine.SetAmplitude(3200);
    double v = 100;
    measure::SetPlaybackVolume(100, -1);
    measure::SetRecordVolume(static_cast<int32_t>(std::min(refCardGain, 32768LL)), -1);
    Meter meter(level, synchro, ui);
    // The level at the mouth reference point, dBPa.
    auto dbPa = [&] {
      ui.ShowLevel(meter.Rms());
      return 20 * std::log10((meter.Rms() + 1) / 32767) - refGain;
    };

    meter.SetThreshold(3);
    double p = 0;
    for (;;) {
      meter.Measure(2);
      p = dbPa();
      if (p > 5 || p >= -8) break;
      v *= 1.3;
      if (v > 32767) {
        v = 32767;
        measure::SetPlaybackVolume(32767, -1);
        break;
      }
      measure::SetPlaybackVolume(static_cast<int32_t>(Trunc(v)), -1);
    }
    if (p > 5) Fail("Out level is too high, decrease amp gain");
    if (v == 32767) Fail("Out level is too low, check amp gain");

    ui.Status("Adjusting generator level...");
    auto settleAndMeasure = [&] {
      meter.SetThreshold(3);
      meter.ResetAndWait();
      meter.SetThreshold(30);
      meter.ResetAndWait();
      return dbPa();
    };
    for (int pass = 0; pass < 2; ++pass) {
      amplitude *= std::pow(10.0, 0.05 * (kTargetDbPa - settleAndMeasure()));
      sine.SetAmplitude(static_cast<int16_t>(std::min<long long>(Trunc(amplitude), 32767)));
      // The settling then starts from the new amplitude, as in the sweeps.
      WaitFor(generatorSynchro, ui);
    }
    settleAndMeasure();

    // A sweep; each point is the level measured minus the correction in use,
    // so that the fit always sees the mouth's own response.
    filters::FirDesign inUse;
    bool corrected = false;
    double minLevel = 0, maxLevel = 0;
    auto sweep = [&](const std::string& status) {
      filters::Spectrum points;
      minLevel = 1e9;
      maxLevel = -1e9;
      for (int k = 0; k < kSweepPoints; ++k) {
        const double hz = SweepHz(k);
        ui.Status(status + IntToStr(k + 1) + "...");
        sine.SetFrequency(hz);
        WaitFor(generatorSynchro, ui);
        meter.SetThreshold(7);
        meter.ResetAndWait();
        meter.SetThreshold(static_cast<int>(std::clamp<long long>(Trunc(10000 / hz), 7, 15)));
        meter.ResetAndWait();
        // The reference microphone's own chain (the card's input converter)
        // is no part of the mouth: its known roll-off is taken out, so the
        // correction flattens the sound at the mouth reference point and
        // does not boost the top of the band into clipping.
        const double measured = dbPa() - measure::ConversionFilterGainDb(hz);
        minLevel = std::min(minLevel, measured);
        maxLevel = std::max(maxLevel, measured);
        points.Add(hz, measured - (corrected ? static_cast<double>(inUse.Response(hz)) : 0.0));
      }
      points.Add(4000, points.level.back());
      return points;
    };
    auto load = [&](const filters::FirDesign& fir) {
      std::vector<double> taps(fir.taps.begin(), fir.taps.begin() + fir.tapCount);
      correction.SetCoefficients(taps.data(), fir.tapCount);
      correction.SetEnabled(true);
      inUse = fir;
      corrected = true;
    };

    load(FitMouth(sweep("Measure step "), 2.0L, ui));
    load(FitMouth(sweep("Measure step "), 0.38L, ui));
    sweep("Final measure step ");
    port.Close();

    const int count = inUse.tapCount;
    r.refLevel = static_cast<double>(Trunc(amplitude));
    r.minLevel = minLevel;
    r.maxLevel = maxLevel;
    r.fir.assign(inUse.taps.begin(), inUse.taps.begin() + count);
    const double ripple = maxLevel - minLevel, average = (maxLevel + minLevel) / 2;
    r.withinLimits = ripple <= 0.4 && average >= -4.9 && average <= -4.5;

    CalWrites writes(file);
    writes.Float("mouth_cal", "ref_level", r.refLevel);
    writes.Integer("mouth_cal", "card_gain", Trunc(v));
    for (int k = 0; k < kSweepPoints; ++k) {
      writes.Float("mouth_cal", "f" + IntToStr(k), SweepHz(k));
      writes.Float("mouth_cal", "l" + IntToStr(k), inUse.Response(SweepHz(k)));
    }
    writes.Integer("mouth_cal", "point_count", kSweepPoints);
    writes.Integer("mouth_cal", "fir_order", count);
    for (int i = 0; i < count; ++i)
      writes.Float("mouth_cal", "a" + IntToStr(i), inUse.taps[static_cast<size_t>(i)]);
    Commit(writes);
    r.cardGain = static_cast<int>(Trunc(v));

    if (!r.withinLimits) {
      r.message = "Can't get -4.7dBPa +/-0.2dB\r\nRipple is " + FloatToStr(Trunc(ripple * 10) * 0.1L) +
                  "\r\nAverage is " + FloatToStr(average);
      ui.Message("Error", r.message, MessageIcon::Error);
    }
    std::vector<std::string> lines = {"Mouth calibration", "Min level: " + FloatToStr(minLevel) + " dBPa",
                                      "Max level: " + FloatToStr(maxLevel) + " dBPa",
                                      "Corrected with sym FIR order: " + IntToStr(count), "Coeffs:"};
    for (int i = 0; i < count; ++i)
      lines.push_back("a" + IntToStr(i) + " = " + FloatToStr(inUse.taps[static_cast<size_t>(i)]));
    Report(ui, lines);
    if (r.withinLimits) {
      r.message = "Calibration success";
      ui.Message("Information", r.message, MessageIcon::Information);
    }
  });
}

}  // namespace vt::telephonometry
