// The "Misc" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupMisc() {}

}  // namespace vt::frame
