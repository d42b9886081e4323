#include "telephonometry/EarImport.h"

#include <optional>

#include "common/Numbers.h"
#include "common/SafeFile.h"
#include "telephonometry/AdaFile.h"
#include "telephonometry/CalSession.h"

namespace vt::telephonometry {

using namespace detail;

namespace {

// Counts from 7: the first fit within kEarRipple, else the best, said.
CorrectionFit FitEar(const filters::Spectrum& points, BenchUi& ui) {
  const std::optional<CorrectionFit> best = FitCorrection(points, 0, kFirstEarFirCount, kEarRipple, ui);
  if (!best) Fail("The ear data cannot be corrected: no FIR up to 125 coefficients fits it");
  if (best->ripple > kEarRipple)
    ui.Message("Warning",
               "No FIR up to 125 coefficients flattens the ear data within 0.4dB; the best (order " +
                   IntToStr(best->fir.tapCount) + ") leaves " + FloatToStr(Trunc(best->ripple * 100) * 0.01L) +
                   "dB",
               MessageIcon::Warning);
  return *best;
}

}  // namespace

std::string DefaultEarDataFile(DlInterface dl) {
  switch (dl) {
    case DlInterface::Type32LowLeak: return "oes_ll.ada";
    case DlInterface::Type32HighLeak: return "oes_hl.ada";
    case DlInterface::Type33: return "erp-drp.ada";
    case DlInterface::Type1: return "*.ada";
    case DlInterface::Electrical: break;
  }
  return "";
}

EarImportResult ImportEarData(const CalFile& file, const MeasurementInterfaces& interfaces,
                              const ChooseEarFile& choose, BenchUi& ui) {
  EarImportResult out;
  auto refuse = [&](const std::string& text) {
    out.message = text;
    ui.Message("Error", text, MessageIcon::Error);
    return out;
  };
  if (!file.Defined()) return refuse("Define a cal file first!");
  if (interfaces.dl == DlInterface::Electrical)
    return refuse("Ear data belongs to an artificial ear: choose one as DL measurement IF first");
  const std::string path = choose(DefaultEarDataFile(interfaces.dl));
  if (path.empty()) {
    out.outcome = CalOutcome::Cancelled;
    return out;
  }

  const CalResult r = RunCalibration(file, ui, [&](CalResult&) {
    std::string text, why;
    if (!ReadWholeFile(path, text, &why)) Fail("Cannot read " + path + ": " + why);
    AdaData ada = ParseAda(text);
    if (!ada.Ok()) Fail(path + ":\r\n" + ada.error);
    out.points = ada.points;

    const std::string section = "ERP-DRP_" + EarSuffix(EarTypeCode(interfaces.dl));
    CalWrites writes(file);
    for (size_t i = 0; i < ada.points.size(); ++i) {
      writes.Float(section, "f" + IntToStr(static_cast<long long>(i)), ada.points.freq[i]);
      writes.Float(section, "l" + IntToStr(static_cast<long long>(i)), ada.points.level[i]);
    }
    writes.Integer(section, "point_count", static_cast<long long>(ada.points.size()));

    const CorrectionFit fit = FitEar(ada.points, ui);
    const int count = fit.fir.tapCount;
    out.ripple = fit.ripple;
    out.fir.assign(fit.fir.taps.begin(), fit.fir.taps.begin() + count);

    if (ui.Logging()) {
      ui.ReportLine("Import ERP-DRP transfer function for " + EarDisplayName(interfaces.dl), ReportStyle::Heading);
      ui.ReportGraph(ReportGraphOf::FirCalculation);
      ui.ReportLine("Corrected with sym FIR order: " + IntToStr(count), ReportStyle::Normal);
      ui.ReportLine("Coeffs:", ReportStyle::Normal);
      for (int i = 0; i < count; ++i)
        ui.ReportLine("a" + IntToStr(i) + " = " + FloatToStr(fit.fir.taps[static_cast<size_t>(i)]),
                      ReportStyle::Normal);
    }
    writes.Integer(section, "fir_order", count);
    for (int i = 0; i < count; ++i) writes.Float(section, "a" + IntToStr(i), fit.fir.taps[static_cast<size_t>(i)]);
    Commit(writes);
    ui.HideFirWindow();
  });
  out.outcome = r.outcome;
  if (!r.message.empty()) out.message = r.message;
  if (!r.Ok()) {
    out.fir.clear();
    ui.HideFirWindow();
  }
  return out;
}

}  // namespace vt::telephonometry
