// The "Delays" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupDelays() {}

}  // namespace vt::frame
