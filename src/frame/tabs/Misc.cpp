// The "Misc" page: the tone generator.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupMisc() {
  for (TScrollBar* bar : {ScrollBar2, ScrollBar4, ScrollBar6, ScrollBar8})
    bar->setMinimumWidth(200);
  for (QLabel* l : {Tone1FreqLabel, Tone2FreqLabel, Tone3FreqLabel, Tone4FreqLabel})
    ReserveValueWidth(l, "4000Hz");
  for (QLabel* l : {Tone1AmpLabel, Tone2AmpLabel, Tone3AmpLabel, Tone4AmpLabel})
    ReserveValueWidth(l, "100%");
}

}  // namespace vt::frame
