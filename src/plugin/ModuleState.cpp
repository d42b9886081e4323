#include "plugin/ModuleState.h"

#include "frame/TFrame1.h"
#include "handset/HandsetState.h"

namespace vt::plugin {

void ClearModuleUseCounts() {
  vt::ClearModuleUseCounts();
}

void CloseReport(vt::frame::TFrame1* frame) {
  // No report writer yet: nothing can be open.
  frame->Report = nullptr;
}

}  // namespace vt::plugin
