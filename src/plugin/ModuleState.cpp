#include "plugin/ModuleState.h"

#include "frame/TFrame1.h"

namespace vt::plugin {

void ClearModuleUseCounts() {
  // The counts live with the handset commands; cleared there once they land.
}

void CloseReport(vt::frame::TFrame1* frame) {
  // No report writer yet: nothing can be open.
  frame->Report = nullptr;
}

}  // namespace vt::plugin
