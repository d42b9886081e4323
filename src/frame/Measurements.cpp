// The "Telephonometry" buttons of the "Measurements" page: RLR, SLR and TCLw
// measured on the calibrated bench, shown in the "Result" window and put on
// the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "common/Numbers.h"
#include "common/gui/Dialogs.h"
#include "frame/CalibrationUi.h"
#include "frame/Report.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

using telephonometry::DlInterface;
using telephonometry::MeasurementKind;

telephonometry::MeasurementInterfaces TFrame1::MeasurementIfs() const {
  telephonometry::MeasurementInterfaces m;
  m.dl = DlIfType1Radio->isChecked()          ? DlInterface::Type1
         : DlIfType32HiLeakRadio->isChecked() ? DlInterface::Type32HighLeak
         : DlIfType33Radio->isChecked()       ? DlInterface::Type33
         : DlIfElectricalRadio->isChecked()   ? DlInterface::Electrical
                                              : DlInterface::Type32LowLeak;
  m.ul = UlIfElectricalRadio->isChecked() ? telephonometry::UlInterface::Electrical
                                          : telephonometry::UlInterface::ArtificialMouth;
  return m;
}

void TFrame1::ConnectMeasurements() {
  const std::pair<QPushButton*, MeasurementKind> buttons[] = {{RlrButton, MeasurementKind::Receive},
                                                              {SlrButton, MeasurementKind::Send},
                                                              {TclButton, MeasurementKind::Echo}};
  for (const auto& [button, kind] : buttons)
    connect(button, &QPushButton::clicked, this, [this, kind = kind] { OneAtATime([&] { Measure(kind); }); });
}

namespace {
QString Shown(long double v) { return ui::Q(FloatToStr(Trunc(v * 100) * 0.01L)); }
}  // namespace

void TFrame1::Measure(MeasurementKind kind) {
  FrameBenchUi ui(this);
  const telephonometry::CalFile file(CalFilePath);
  const DlInterface dl = MeasurementIfs().dl;
  if (!telephonometry::CheckCalibrations(file, dl, ui)) return;
  // The electrical interface reads the downlink through its own calibration
  // ("ear_cal_elec"), uncorrected.
  telephonometry::CalData cal;
  std::string error;
  if (!telephonometry::LoadCalData(file, telephonometry::EarTypeCode(dl), cal, error)) {
    ui::Dialogs::Instance().Error(ui::Q(error));
    return;
  }
  // No ear data imported for this ear: measured without its correction, and
  // the result says so.
  const bool uncorrected = cal.earFir.empty();

  const telephonometry::Measurement m =
      kind == MeasurementKind::Receive ? telephonometry::MeasureReceive(cal, ui, true)
      : kind == MeasurementKind::Send  ? telephonometry::MeasureSend(cal, ui, true)
                                       : telephonometry::MeasureEcho(cal, ui, true);
  if (!m.Ok()) return;

  telephonometry::Curve points;
  QString clip;
  for (int i = 0; i < telephonometry::kResponseBands; ++i) {
    const auto b = static_cast<size_t>(i);
    const double level = telephonometry::ShownLevel(cal, kind, m.levels[b]);
    points.push_back({m.frequencies[b], level});
    clip += Shown(m.frequencies[b]) + "\t" + Shown(level) + "\r\n";
  }
  const filters::LimitMask receive = telephonometry::ResultMask(telephonometry::ResultMaskSet::Receive);
  const filters::LimitMask send = telephonometry::ResultMask(telephonometry::ResultMaskSet::Send);
  const filters::LimitMask* mask = kind == MeasurementKind::Receive ? &receive
                                   : kind == MeasurementKind::Send  ? &send
                                                                    : nullptr;
  Form21->ShowResult(static_cast<int>(kind), points, mask, ui::Q(telephonometry::FigureText(kind, m.figure)));
  if (kind == MeasurementKind::Receive && uncorrected)
    Form21->Label2->setText("No ear data imported: no ERP-DRP correction");
  if (ReportLogging(*this)) {
    ReportHeading(*this, kind == MeasurementKind::Receive ? "Receiving measurement"
                         : kind == MeasurementKind::Send  ? "Sending measurement"
                                                          : "Echo measurement");
    ReportLine(*this, "Frequency response:");
    ReportGraph(*this, *Form21->PaintBox1);
    ReportBreak(*this);
    ReportLine(*this, telephonometry::FigureText(kind, m.figure));
  }
  QGuiApplication::clipboard()->setText(clip);
}

}  // namespace vt::frame
