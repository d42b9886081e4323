// The "Global path adj" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupGlobalPath() {}

}  // namespace vt::frame
