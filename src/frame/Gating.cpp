// Tab change and default view: identify the handset and show or hide the
// controls its chip type and firmware have.
#include "common/IniFile.h"
#include "frame/Module.h"
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::PageControl1Change() {
  Timer1->stop();
  // Identification and gating come with the handset commands.
}

void TFrame1::RadioButton34Click() {
  if (IniFilePath.empty()) {
    PageControl1Change();
    return;
  }
  IniFile ini(IniFilePath);
  if (RadioButton34->isChecked()) {
    ini.WriteInteger("VoxTuner", "Default_Q7xx", 1);
    PageControl1Change();
  } else if (RadioButton35->isChecked()) {
    ini.WriteInteger("VoxTuner", "Default_Q7xx", 3);
    PageControl1Change();
  }
}

}  // namespace vt::frame
