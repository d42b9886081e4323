// The "codec input" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupCodecInput() {}

}  // namespace vt::frame
