// The main frame: the tabbed editor of the handset's voice chain and the memo
// strip below it. Each tab is a struct of its own (tabs/<Tab>.h, built from
// its rows in tabs/<Tab>.def, set up in tabs/<Tab>.cpp); the frame derives
// from all of them, so every control is reached by its designer name
// (Frame1->CheckBox4).
#pragma once

#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "frame/Controls.h"
#include "frame/tabs/Tabs.h"
#include "handset/SocketManager.h"
#include "telephonometry/Measurement.h"

namespace vt::ui {
class MemoBinding;
}

namespace vt::frame {

class WidgetControls;
struct TabContext;
class TReport;

#define VT_TAB_BASE(Name) , public Name##Tab
class TFrame1 : public QWidget VT_FRAME_TABS(VT_TAB_BASE) {
#undef VT_TAB_BASE
  Q_OBJECT
 public:
  explicit TFrame1(QWidget* owner = nullptr);
  ~TFrame1() override;

  // Added members, in the order the module keeps them.
  SocketManager* Link = nullptr;
  std::string CalFilePath;
  bool WizardBusy = false;
  bool hasExtendedEcParams = false;
  bool hasConvergenceAccelerator = false;
  bool hasVoiceBoosterAndHarmonizers = true;
  TValueListEditor* CurrentValueList = nullptr;
  TReport* Report = nullptr;  // the open measurement report (frame/Report.h), if any

  QTabWidget* PageControl1 = nullptr;
  QWidget* MemoStrip = nullptr;
  QTimer* Timer1 = nullptr;

  // Shows the calibration file's name beside "File:" and keeps its full path.
  void SetCalFile(const std::string& path);
  // "Define cal file": the cal file chosen in a file dialog, remembered in
  // the host INI; a cancelled dialog clears it.
  void DefineCalFile();
  // The "Configuration" tab's choice of DL and UL measurement interfaces.
  telephonometry::MeasurementInterfaces MeasurementIfs() const;
  // Applies the host INI keys of section "VoxTuner".
  void ApplyIniFile(const std::string& path);
  // The memo that is "Active" (0..2).
  int ActiveMemo() const;
  TMemo* Memo(int index) const;

  // Tab change: status polling off, identification, gating.
  void PageControl1Change();
  // A tick of the status timer: the status polls of the tabs, in order.
  void Timer1Timer();
  // Either default-view radio button.
  void RadioButton34Click();

  // Every control of the frame by name, for the behaviour layer.
  WidgetControls& Controls() { return *controls_; }

 private:
  void BuildControls();
  void ConnectMemoStrip();
  void SaveMemoToFileClick();
  void LoadMemoFromFileClick();
  // The calibration buttons of the "Calibration" tab.
  void ConnectCalibrations();
  // "RLR", "SLR" and "ERL/TCL (echo)" of the "Measurements" page.
  void ConnectMeasurements();
  // Runs a calibration or measurement unless one already runs.
  void OneAtATime(const std::function<void()>& body);
  bool calibrating_ = false;
  // Measures RLR, SLR or TCLw and shows the result (the three buttons).
  void Measure(telephonometry::MeasurementKind kind);
  // The three memos as the configuration text's line stores.
  std::unique_ptr<ui::MemoBinding> memos_;
  std::unique_ptr<WidgetControls> controls_;
  std::unique_ptr<TabContext> tabContext_;
  bool building_ = true;
};

}  // namespace vt::frame
