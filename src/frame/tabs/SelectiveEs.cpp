// The "Selective echo supp" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupSelectiveEs() {}

}  // namespace vt::frame
