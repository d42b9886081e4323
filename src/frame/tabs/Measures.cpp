// The "Measures / AutoTuning" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupMeasures() {}

}  // namespace vt::frame
