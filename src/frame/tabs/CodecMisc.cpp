// The "codec misc" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupCodecMisc() { ReserveValueWidth(Label43, "99"); }

}  // namespace vt::frame
