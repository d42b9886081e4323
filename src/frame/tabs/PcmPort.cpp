// The "PCM port" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupPcmPort() {}

}  // namespace vt::frame
