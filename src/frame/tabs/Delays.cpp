// The "Delays" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupDelays() {
  for (TScrollBar* bar : {ScrollBar23, ScrollBar24}) bar->setMinimumWidth(220);
  for (QLabel* l : {Label39, Label40}) ReserveValueWidth(l, "19.875ms");
}

}  // namespace vt::frame
