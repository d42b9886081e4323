// The "UL Dyn treatment" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupUlDyn() {}

}  // namespace vt::frame
