// The "TTY" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupTty() {}

}  // namespace vt::frame
