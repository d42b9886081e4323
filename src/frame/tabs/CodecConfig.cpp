// The "codec config" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupCodecConfig() {}

}  // namespace vt::frame
