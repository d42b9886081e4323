// The "DSP config" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupDspConfig() {}

}  // namespace vt::frame
