// The "PCM port" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupPcmPort() {
  for (TScrollBar* bar : {ScrollBar28, ScrollBar29}) bar->setMinimumWidth(180);
  for (QLabel* l : {Label48, Label49}) ReserveValueWidth(l, "1000000Hz");
}

}  // namespace vt::frame
