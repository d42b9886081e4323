#include "plugin/ModuleState.h"

#include "frame/Report.h"
#include "frame/TFrame1.h"
#include "handset/HandsetState.h"

namespace vt::plugin {

void ClearModuleUseCounts() {
  vt::ClearModuleUseCounts();
}

void CloseReport(vt::frame::TFrame1* frame) { vt::frame::CloseReport(*frame); }

}  // namespace vt::plugin
