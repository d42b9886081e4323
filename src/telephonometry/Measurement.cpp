#include "telephonometry/Measurement.h"

#include <cmath>
#include <exception>

#include "common/Numbers.h"
#include "measure/AudioPort.h"
#include "measure/FirFilter.h"
#include "measure/Generators.h"
#include "measure/LevelAnalyzer.h"
#include "measure/OctaveAnalyzers.h"
#include "measure/RateConverters.h"
#include "measure/WaveBlocks.h"
#include "telephonometry/CalSession.h"
#include "telephonometry/Ratings.h"

namespace vt::telephonometry {

namespace {
using namespace detail;

// The per-band term the method takes off a loudness sensitivity, dB.
constexpr double kBandShiftDb = 2.2184875;

struct Stimulus {
  int tones;
  double firstHz;
  double targetLevel;  // in the unit of `level`
  double (*level)(const CalData&, double);
};

Stimulus StimulusOf(MeasurementKind kind) {
  switch (kind) {
    case MeasurementKind::Receive: return {64, 100, -16, &EncoderLevelDbm0};
    case MeasurementKind::Send: return {64, 100, -4.7, &MouthLevelDbPa};
    case MeasurementKind::Echo: break;
  }
  return {41, 315, -10, &EncoderLevelDbm0};
}

// Offline, without the sound card: the stimulus brought to its target level,
// its third-octave spectrum, and five seconds of it written to the stimulus
// file the port then plays in a loop.
void PrepareStimulus(MeasurementKind kind, const CalData& cal, BenchUi& ui,
                     std::array<double, kRatingBands>& spectrum) {
  const Stimulus s = StimulusOf(kind);
  measure::TMultiSineGenerator tones;
  measure::TAmplitudeModulation stimulus(&tones);
  tones.SetTones(s.tones, true, std::pow(2.0, 1.0 / 12), s.firstHz);
  stimulus.SetFrequency(4);
  stimulus.SetDepth(80);
  tones.SetAmplitude(500);
  measure::TLevelAnalyzer level;
  RunOffline(stimulus, level, 500, 1000, ui);
  double rms = 0;
  level.GetLevel(nullptr, &rms);
  tones.SetAmplitude(500 * std::pow(10.0, 0.05 * (s.targetLevel - s.level(cal, rms))));

  measure::TThirdOctaveAnalyzer third;
  third.Reset();
  RunOffline(stimulus, third, 500, 1000, ui);
  third.GetSpectrum(spectrum.data());

  measure::TWaveRecorder recorder;
  if (!recorder.Start(kStimulusFile)) Fail("Can't write the stimulus file: " + recorder.Error());
  RunOffline(stimulus, recorder, 1000, 40, ui);
  recorder.Stop();
  if (!recorder.Error().empty()) Fail("Can't write the stimulus file: " + recorder.Error());
}

// Waits for an analysis (its synchro's threshold + 1 buffers), showing how far
// it is and letting the user stop; fails when the audio stops coming.
void WaitForAnalysis(measure::TSynchro& synchro, BenchUi& ui, const std::string& label) {
  const int total = synchro.Threshold() + 1;
  bool stop = false;
  const bool fired = synchro.Wait([&] {
    ui.Progress(label, synchro.Counted(), total);
    return stop = ui.KeepResponsive();
  });
  if (stop) StoppedByUser();
  if (!fired) Fail("The sound card stopped: " + synchro.Error());
  ui.Progress(label, total, total);
  if (ui.KeepResponsive()) StoppedByUser();
}

void Stream(MeasurementKind kind, const CalData& cal, BenchUi& ui, bool showStatus, Measurement& m) {
  if (showStatus) ui.Status("Measuring spectrum...");
  // A stimulus file that cannot be opened leaves the player silent; the
  // figure is then that of silence.
  measure::TWavePlayer player;
  player.Open(kStimulusFile);
  player.SetLoop(true);
  measure::TFirFilter mouth(&player);
  mouth.generatorMode = true;
  if (kind == MeasurementKind::Send) {
    mouth.SetCoefficients(cal.mouthFir.data(), static_cast<int32_t>(cal.mouthFir.size()));
    mouth.SetEnabled(!cal.mouthFir.empty());
  }
  measure::TUpSamplerBy6 up(kind == MeasurementKind::Send ? static_cast<measure::TMeasureTool*>(&mouth)
                                                           : &player);

  measure::TTwelveOctaveAnalyzer twelve;
  measure::TThirdOctaveAnalyzer third;
  measure::TSynchro twelveSynchro, thirdSynchro;
  twelve.synchro = &twelveSynchro;
  third.synchro = &thirdSynchro;
  twelveSynchro.SetThreshold(100);
  thirdSynchro.SetThreshold(100);
  // The ear's correction in front of each analyzer of a receive measurement.
  // A correction without coefficients (no ear data imported) lets the signal
  // through rather than silence it, here and for the mouth.
  measure::TFirFilter earTwelve(&twelve), earThird(&third);
  for (measure::TFirFilter* ear : {&earTwelve, &earThird}) {
    ear->generatorMode = false;
    ear->SetCoefficients(cal.earFir.data(), static_cast<int32_t>(cal.earFir.size()));
    ear->SetEnabled(!cal.earFir.empty());
  }
  const bool receive = kind == MeasurementKind::Receive;
  measure::TDownSamplerBy6 down(receive ? static_cast<measure::TMeasureTool*>(&earTwelve) : &twelve);

  PortSession port;
  switch (kind) {
    case MeasurementKind::Receive:  // right out to the encoder, left in from the ear
      port.Open(true, true, &down, nullptr, nullptr, &up);
      measure::SetPlaybackVolume(0, cal.encoderCardGain);
      measure::SetRecordVolume(cal.earCardGain, 0);
      break;
    case MeasurementKind::Send:  // left out to the mouth, right in from the decoder
      port.Open(true, true, nullptr, &down, &up, nullptr);
      measure::SetPlaybackVolume(cal.mouthCardGain, 0);
      measure::SetRecordVolume(0, cal.decoderCardGain);
      break;
    case MeasurementKind::Echo:  // right out to the encoder, right in from the decoder
      port.Open(true, true, nullptr, &down, nullptr, &up);
      measure::SetPlaybackVolume(0, cal.encoderCardGain);
      measure::SetRecordVolume(0, cal.decoderCardGain);
      break;
  }
  twelve.Reset();
  WaitForAnalysis(twelveSynchro, ui, "Analysis 1 of 2");
  twelve.GetSpectrum(m.levels.data());

  if (showStatus) ui.Status(kind == MeasurementKind::Echo ? "Measuring tcl..." : "Measuring loudness...");
  down.SetChild(receive ? static_cast<measure::TMeasureTool*>(&earThird) : &third);
  third.Reset();
  WaitForAnalysis(thirdSynchro, ui, "Analysis 2 of 2");
  third.GetSpectrum(m.received.data());
  port.Close();
}

double BandValue(MeasurementKind kind, const CalData& cal, double r, double t) {
  switch (kind) {
    case MeasurementKind::Receive: return EarLevelDbPa(cal, r) - EncoderLevelDbm0(cal, t) - kBandShiftDb;
    case MeasurementKind::Send: return DecoderLevelDbm0(cal, r) - kBandShiftDb - MouthLevelDbPa(cal, t);
    case MeasurementKind::Echo: break;
  }
  return DecoderLevelDbm0(cal, r) - EncoderLevelDbm0(cal, t);
}

Measurement Run(MeasurementKind kind, const CalData& cal, BenchUi& ui, bool showStatus) {
  Measurement m;
  m.kind = kind;
  for (int i = 0; i < kResponseBands; ++i)
    m.frequencies[static_cast<size_t>(i)] = measure::TTwelveOctaveAnalyzer::BandFrequency(i);
  try {
    measure::ResetBufferPools();
    if (showStatus) ui.Status("Initialize bench...");
    PrepareStimulus(kind, cal, ui, m.stimulus);
    Stream(kind, cal, ui, showStatus, m);
  } catch (const CalStop& stop) {
    m.outcome = stop.outcome;
    m.message = stop.text;
  } catch (const std::exception& e) {
    m.message = std::string("The measurement failed: ") + e.what();
  }
  ui.Progress("", 0, 0);
  ui.Status("");
  if (!m.message.empty()) {
    ui.Message("Error", m.message, MessageIcon::Error);
    return m;
  }
  for (int i = 0; i < kRatingBands; ++i) {
    const auto b = static_cast<size_t>(i);
    m.grid.AddPoint(measure::TThirdOctaveAnalyzer::BandFrequency(i),
                    BandValue(kind, cal, m.received[b], m.stimulus[b]));
  }
  m.figure = static_cast<double>(kind == MeasurementKind::Receive ? LoudnessRating(m.grid, kReceiveWeights)
                                 : kind == MeasurementKind::Send  ? LoudnessRating(m.grid, kSendWeights)
                                                                  : WeightedTcl(m.grid));
  m.outcome = CalOutcome::Ok;
  return m;
}

}  // namespace

Measurement MeasureReceive(const CalData& cal, BenchUi& ui, bool showStatus) {
  return Run(MeasurementKind::Receive, cal, ui, showStatus);
}
Measurement MeasureSend(const CalData& cal, BenchUi& ui, bool showStatus) {
  return Run(MeasurementKind::Send, cal, ui, showStatus);
}
Measurement MeasureEcho(const CalData& cal, BenchUi& ui, bool showStatus) {
  return Run(MeasurementKind::Echo, cal, ui, showStatus);
}

std::string FigureCaption(MeasurementKind kind) {
  return kind == MeasurementKind::Receive ? "RLR = " : kind == MeasurementKind::Send ? "SLR = " : "TCL = ";
}
std::string FigureText(MeasurementKind kind, double figure) {
  return FigureCaption(kind) + ShownDb(figure) + "dB";
}
double ShownLevel(const CalData& cal, MeasurementKind kind, double rms) {
  const double db = kind == MeasurementKind::Receive ? EarLevelDbPa(cal, rms) : DecoderLevelDbm0(cal, rms);
  return static_cast<double>(Trunc(db * 100) * 0.01L);
}

}  // namespace vt::telephonometry
