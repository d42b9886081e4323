// The "Music treatment" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupMusic() {}

}  // namespace vt::frame
