// The "Calibration" tab: the cal file and the bench calibrations, run on the
// frame's windows (status, level display, FIR calculation), logged to the
// report.
#include <QPushButton>
#include <QRadioButton>

#include "common/IniFile.h"
#include "common/gui/Dialogs.h"
#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/CalibrationUi.h"
#include "frame/Report.h"
#include "telephonometry/Calibration.h"
#include "telephonometry/EarImport.h"

namespace vt::frame {

namespace {
using telephonometry::DlInterface;
using telephonometry::UlInterface;

telephonometry::MeasurementInterfaces Interfaces(const TFrame1& f) {
  telephonometry::MeasurementInterfaces m;
  m.dl = f.DlIfType1Radio->isChecked()          ? DlInterface::Type1
         : f.DlIfType32HiLeakRadio->isChecked() ? DlInterface::Type32HighLeak
         : f.DlIfType33Radio->isChecked()       ? DlInterface::Type33
         : f.DlIfElectricalRadio->isChecked()   ? DlInterface::Electrical
                                                : DlInterface::Type32LowLeak;
  m.ul = f.UlIfElectricalRadio->isChecked() ? UlInterface::Electrical : UlInterface::ArtificialMouth;
  return m;
}
}  // namespace

void TFrame1::DefineCalFile() {
  const QString path = ui::Dialogs::Instance().OpenFile("Define cal file", "Calibration files (*.acal)");
  if (path.isEmpty()) {
    CalFilePath.clear();
    CalFileLabel->setText("");
  } else {
    SetCalFile(ui::S(path));
  }
  if (IniFilePath.empty()) return;
  IniFile ini(IniFilePath);
  if (!ini.WriteString("VoxTuner", "CalFile", CalFilePath))
    ui::Dialogs::Instance().Error(ui::Q("The cal file could not be remembered: " + ini.LastError()));
}

void TFrame1::ConnectCalibrations() {
  connect(DefineCalFileButton, &QPushButton::clicked, this, [this] { DefineCalFile(); });
  using Procedure = telephonometry::CalResult (*)(const telephonometry::CalFile&,
                                                  const telephonometry::MeasurementInterfaces&,
                                                  telephonometry::BenchUi&);
  const std::pair<QPushButton*, Procedure> procedures[] = {
      {CalRefMikeButton, &telephonometry::CalRefMike},
      {CalMouthButton, &telephonometry::CalMouth},
      {CalEarButton, &telephonometry::CalEar},
      {CalCmu200Button, &telephonometry::CalCmu200},
      {CalDlElectricalButton, &telephonometry::CalDlElectricalIf}};
  // One procedure at a time: a click while one runs (it keeps the window
  // responsive) is ignored.
  auto exclusive = [this](auto run) {
    return [this, run] {
      if (calibrating_) return;
      calibrating_ = true;
      struct Done {
        bool& flag;
        ~Done() { flag = false; }
      } done{calibrating_};
      FrameBenchUi ui(this);
      run(ui);
    };
  };
  for (const auto& [button, procedure] : procedures)
    connect(button, &QPushButton::clicked, this, exclusive([this, procedure = procedure](FrameBenchUi& ui) {
              procedure(telephonometry::CalFile(CalFilePath), Interfaces(*this), ui);
            }));
  connect(ImportEarDataButton, &QPushButton::clicked, this, exclusive([this](FrameBenchUi& ui) {
            auto choose = [](const std::string& name) {
              const QString tail = "ADA files (*.ada *.ADA);;All files (*)";
              const QString filter = ui::Q("Default (" + name + ");;") + tail;
              return ui::S(ui::Dialogs::Instance().OpenFile("Import ear data", filter,
                                                            ui::Q(name == "*.ada" ? "" : name)));
            };
            telephonometry::ImportEarData(telephonometry::CalFile(CalFilePath), Interfaces(*this), choose, ui);
          }));
  ConnectReport(*this);
}

}  // namespace vt::frame
