// The "Test" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupTest() {}

}  // namespace vt::frame
