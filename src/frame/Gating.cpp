// Tab change and default view: identify the handset and show or hide the
// controls its chip type and firmware have. Without a handset the default
// view stands for the chip.
#include <memory>

#include "common/IniFile.h"
#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "handset/FirmwareFeatures.h"
#include "handset/HandsetState.h"
#include "handset/Identify.h"
#include "handset/Link.h"

namespace vt::frame {

bool hasDynamicSelectiveEs = false;

namespace {
void Show(std::initializer_list<QWidget*> widgets, bool on) {
  for (QWidget* w : widgets)
    if (w) w->setVisible(on);
}
}  // namespace

void TFrame1::PageControl1Change() {
  // 1. No status poll may run against a page being reconfigured.
  Timer1->stop();
  if (Form11 && Form11->isVisible()) Form11->close();
  for (QPushButton* b : {Button93, Button56, Button104}) b->setText("Start getting status");

  // 2. Identification (falls back to the current chip type's defaults).
  const ChipIdentity id = IdentifyChip();
  const int f = id.chipType;
  const FirmwareFeatures x = FeaturesOf(id);

  // 3, 4.
  Show({CheckBox94, GroupBox33}, x.v1);
  Show({Label77, Label78, Label79}, x.v2);
  ScrollBar38->setVisible(true);

  // 5, 6. The two layouts: Q711/15 (type 1) and Q710/2, Q620/2 (type 3).
  const bool q710 = f == 3;
  ValueListEditor4->setVisible(!q710);
  ValueListEditor9->setVisible(q710);
  CurrentValueList = q710 ? ValueListEditor9 : ValueListEditor4;
  Show({CheckBox100, CheckBox101, RadioButton31, RadioButton32, RadioButton33, GroupBox2,
        CheckBox104, CheckBox102, CheckBox106, CheckBox107, GroupBox38, CheckBox108, Label82,
        CheckBox111, CheckBox113, CheckBox114, GroupBox40, GroupBox41, GroupBox42, Button107,
        Button108, Button109, CheckBox109, CheckBox110, Label137, GroupBox44},
       q710);
  Show({CheckBox90, CheckBox95}, !q710);
  const bool selectiveEsPar = q710 && ApiFlag1();
  CheckBox96->setVisible(selectiveEsPar);
  Label80->setVisible(!selectiveEsPar);
  hasExtendedEcParams = x.extendedEcParams;
  hasConvergenceAccelerator = x.convergenceAccelerator;
  hasVoiceBoosterAndHarmonizers = x.voiceBoosterAndHarmonizers;

  // 7 to 11.
  GroupBox59->setVisible(x.convergenceAccelerator);
  Show({CheckBox42, CheckBox43, GroupBox60, CheckBox38, GroupBox61, GroupBox62, Label200, Label201,
        ScrollBar66},
       x.voiceBoosterAndHarmonizers);
  GroupBox43->setVisible(x.dlNoiseSuppressor);
  Show({GroupBox53, CheckBox116, CheckBox117, CheckBox118}, x.ulDynNoiseGate);
  GroupBox57->setVisible(x.dynamicSelectiveEs);
  hasDynamicSelectiveEs = x.dynamicSelectiveEs;

  // 12. The selective echo suppressor page needs V2.
  if (!x.v2) {
    Show({CheckBox98, Label80, ValueListEditor8, Button97, Button98, Button99, Button101, Button102},
         false);
  } else {
    CheckBox98->setVisible(f == 1);
    if (!ApiFlag1()) Label80->setVisible(true);
    Show({ValueListEditor8, Button97, Button98, Button99, Button101, Button102}, true);
  }
}

void TFrame1::RadioButton34Click() {
  // Both identifications in one batch: a silent handset costs one wait.
  LinkBatch batch("Identifying the handset");
  // The INI is written only when the host gave its path.
  std::unique_ptr<IniFile> ini;
  if (!IniFilePath.empty()) ini = std::make_unique<IniFile>(IniFilePath);
  const int view = RadioButton34->isChecked() ? 1 : RadioButton35->isChecked() ? 3 : 0;
  if (view == 0) return;
  IdentifyChipQuick(view);
  if (ini && !ini->WriteInteger("VoxTuner", "Default_Q7xx", view)) ReportStatus(ini->LastError());
  PageControl1Change();
}

}  // namespace vt::frame
