// The "codec input" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupCodecInput() {
  ReserveValueWidth(Label21, "-6dB");
  ReserveValueWidth(Label25, "20dB");
  ReserveValueWidth(Label26, "Total: 50dB");
}

}  // namespace vt::frame
