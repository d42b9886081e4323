// The "Echo suppressor" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupEchoSuppressor() {}

}  // namespace vt::frame
