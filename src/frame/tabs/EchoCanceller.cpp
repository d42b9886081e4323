// The "Echo canceller" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupEchoCanceller() {}

}  // namespace vt::frame
