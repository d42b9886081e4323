// The "codec output" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupCodecOutput() { ReserveValueWidth(Label22, "99"); }

}  // namespace vt::frame
