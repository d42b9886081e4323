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
  for (const auto& [button, procedure] : procedures)
    connect(button, &QPushButton::clicked, this, [this, procedure = procedure] {
      OneAtATime([&] {
        FrameBenchUi ui(this);
        procedure(telephonometry::CalFile(CalFilePath), MeasurementIfs(), ui);
      });
    });
  connect(ImportEarDataButton, &QPushButton::clicked, this, [this] {
    OneAtATime([this] {
      auto choose = [](const std::string& name) {
        const QString tail = "ADA files (*.ada *.ADA);;All files (*)";
        const QString filter = ui::Q("Default (" + name + ");;") + tail;
        return ui::S(ui::Dialogs::Instance().OpenFile("Import ear data", filter, ui::Q(name == "*.ada" ? "" : name)));
      };
      FrameBenchUi ui(this);
      telephonometry::ImportEarData(telephonometry::CalFile(CalFilePath), MeasurementIfs(), choose, ui);
    });
  });
  ConnectReport(*this);
}

void TFrame1::OneAtATime(const std::function<void()>& body) {
  // A click while a procedure runs (it keeps the window responsive) is ignored.
  if (calibrating_) return;
  calibrating_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{calibrating_};
  body();
}

}  // namespace vt::frame
