#include "telephonometry/CalSession.h"

#include <cmath>
#include <exception>
#include <mutex>

#include "common/Numbers.h"
#include "filters/FirFit.h"
#include "measure/AudioPort.h"

namespace vt::telephonometry::detail {

void Fail(const std::string& text) { throw CalStop{CalOutcome::Failed, "Error", text}; }
void StoppedByUser() { throw CalStop{CalOutcome::Cancelled, "Error", "Stopped by user"}; }

CalResult RunCalibration(const CalFile& file, BenchUi& ui, const std::function<void(CalResult&)>& body) {
  CalResult result;
  if (!file.Defined()) {
    result.message = "Define a cal file first!";
    ui.Message("Error", result.message, MessageIcon::Error);
    return result;
  }
  // On a stop the port is closed by the time the message shows: the body's
  // PortSession went with the throw.
  auto stopped = [&](CalOutcome outcome, const std::string& caption, const std::string& text) {
    ui.Status("");
    result = CalResult{};
    result.outcome = outcome;
    result.message = text;
    ui.Message(caption, text, MessageIcon::Error);
    return result;
  };
  try {
    body(result);
    result.outcome = CalOutcome::Ok;
  } catch (const CalStop& stop) {
    return stopped(stop.outcome, stop.caption, stop.text);
  } catch (const std::exception& e) {
    return stopped(CalOutcome::Failed, "Error", std::string("The calibration failed: ") + e.what());
  }
  ui.Status("");
  return result;
}

void Prompt(BenchUi& ui, const std::string& text) {
  if (!ui.Prompt(text)) StoppedByUser();
}

void ShowResult(BenchUi& ui, CalResult& result, const std::string& text) {
  result.message = text;
  ui.Message("Cal result", text, MessageIcon::Information);
}

void Commit(const CalWrites& writes) {
  std::string error;
  if (!writes.Commit(error)) Fail(error);
}

void Report(BenchUi& ui, const std::vector<std::string>& lines) {
  if (!ui.Logging()) return;
  for (size_t i = 0; i < lines.size(); ++i)
    ui.ReportLine(lines[i], i == 0 ? ReportStyle::Heading : ReportStyle::Normal);
}

std::string ShownDb(double db) { return FloatToStr(Trunc(db * 100) * 0.01L); }

PortSession::PortSession() { measure::ResetBufferPools(); }
PortSession::~PortSession() { Close(); }

void PortSession::Open(bool input, bool output, measure::TMeasureTool* leftAnalyzer,
                       measure::TMeasureTool* rightAnalyzer, measure::TMeasureTool* leftGenerator,
                       measure::TMeasureTool* rightGenerator) {
  if (!measure::OpenPort(kPortRate, true, input, output, leftAnalyzer, rightAnalyzer, leftGenerator,
                         rightGenerator, kBufferLength)) {
    const std::string why = measure::PortError();
    Fail("Can't open the sound card" + (why.empty() ? std::string() : ": " + why));
  }
  open_ = true;
  if (input) measure::StartRecording();
  if (output) measure::StartPlayback();
}

void PortSession::Close() {
  if (!open_) return;
  open_ = false;
  measure::StopPlayback();
  measure::StopRecording();
  measure::ClosePort();
}

namespace {
void AfterWait(measure::TSynchro& synchro, bool waited, BenchUi& ui) {
  if (!waited) Fail("The sound card stopped: " + synchro.Error());
  if (ui.KeepResponsive()) StoppedByUser();
}
}  // namespace

void Meter::ResetAndWait() {
  level_.Reset();
  AfterWait(synchro_, synchro_.Wait(), ui_);
}

double Meter::Rms() const {
  double rms = 0;
  level_.GetLevel(nullptr, &rms);
  return rms;
}

double Meter::Measure(int passes) {
  for (int i = 0; i < passes; ++i) ResetAndWait();
  return Rms();
}

void WaitFor(measure::TSynchro& synchro, BenchUi& ui) { AfterWait(synchro, synchro.Wait(), ui); }

void RunOffline(measure::TMeasureTool& source, measure::TMeasureTool& sink, int buffers, int values, BenchUi& ui) {
  std::vector<int16_t> buffer(static_cast<size_t>(values));
  for (int i = 0; i < buffers; ++i) {
    {
      std::lock_guard lock(source.Mutex());
      source.Process(buffer.data(), values);
    }
    {
      std::lock_guard lock(sink.Mutex());
      sink.Process(buffer.data(), values);
    }
    if (i % 100 == 99 && ui.KeepResponsive()) StoppedByUser();
  }
}

std::optional<CorrectionFit> FitCorrection(const filters::Spectrum& measured, long double target, int first,
                                           long double enough, BenchUi& ui) {
  constexpr int kLastCount = 125;
  const filters::FitContext context = filters::FirCalculationContext(measured);
  std::optional<CorrectionFit> best;
  for (int count = first; count <= kLastCount; count += 2) {
    CorrectionFit fit;
    fit.fir.tapCount = count;
    fit.fir.sampleRate = 8000;
    fit.fir.Flat();
    const filters::FirFitResult r = filters::FitFir(fit.fir, context, target, ui.FirWindow(measured));
    if (r.cancelled) StoppedByUser();
    if (r.failed) continue;
    fit.ripple = r.Ripple();
    if (fit.ripple <= enough) return fit;
    if (!best || fit.ripple < best->ripple) best = std::move(fit);
  }
  return best;
}

InputLevel InputGainSearch(Meter& meter, BenchUi& ui, const InputSearch& search) {
  auto apply = [&](int g) {
    measure::SetRecordVolume(search.channel == kLeft ? g : -1, search.channel == kRight ? g : -1);
  };
  int g = 32768;
  apply(g);
  meter.SetThreshold(5);
  double rms = 0;
  for (;;) {
    rms = meter.Measure(2);
    ui.ShowLevel(rms);
    if (rms <= search.upper) break;
    g = static_cast<int>(Trunc(g * 0.93L));
    if (g < search.minGain) break;
    apply(g);
  }
  if (rms < search.lower || g < search.minGain) Fail(rms >= search.lower ? search.tooHigh : search.tooLow);
  meter.SetThreshold(search.finalThreshold);
  rms = meter.Measure(1);
  return {g, rms, 20 * std::log10(rms / 32767)};
}

}  // namespace vt::telephonometry::detail
