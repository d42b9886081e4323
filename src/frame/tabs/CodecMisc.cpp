// The "codec misc" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupCodecMisc() {}

}  // namespace vt::frame
