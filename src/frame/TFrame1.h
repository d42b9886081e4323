// The main frame: the tabbed editor of the handset's voice chain and the memo
// strip below it. Its controls are declared once, in the tables of tabs/*.def;
// each tab's handlers live in tabs/<Tab>.cpp.
#pragma once

#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>

#include "frame/Builder.h"
#include "frame/Controls.h"
#include "handset/SocketManager.h"

namespace vt::ui {
class MemoBinding;
}

namespace vt::frame {

class TFrame1 : public QWidget {
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
  void* Report = nullptr;  // the open measurement report, if any

  QTabWidget* PageControl1 = nullptr;
  QWidget* MemoStrip = nullptr;
  QTimer* Timer1 = nullptr;

  // Shows the calibration file's name beside "File:" and keeps its full path.
  void SetCalFile(const std::string& path);
  // Applies the host INI keys of section "VoxTuner".
  void ApplyIniFile(const std::string& path);
  // The memo that is "Active" (0..2).
  int ActiveMemo() const;
  TMemo* Memo(int index) const;

  // Tab change: status polling off, identification, gating.
  void PageControl1Change();
  // Either default-view radio button.
  void RadioButton34Click();

#define X(name, cls, parent, caption, mn, mx, start, step, flags) cls* name = nullptr;
#include "frame/tabs/All.def"
#undef X

#include "frame/tabs/AllMembers.inc"

 private:
  void BuildControls();
  void SetupMemoStrip();
  void SaveMemoToFileClick();
  void LoadMemoFromFileClick();
  // The three memos as the configuration text's line stores.
  std::unique_ptr<ui::MemoBinding> memos_;
  bool building_ = true;
};

}  // namespace vt::frame
