// The "Noise suppressor" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupNoiseSuppressor() {}

}  // namespace vt::frame
