// The "Filters" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupFilters() {}

}  // namespace vt::frame
