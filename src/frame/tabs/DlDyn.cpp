// The "DL Dyn treatment" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupDlDyn() {}

}  // namespace vt::frame
