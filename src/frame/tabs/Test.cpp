// The "Test" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupTest() { Edit1->setFixedWidth(90); }

}  // namespace vt::frame
