#include "frame/ModuleScope.h"

#include "frame/Module.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

void ResetFrameModule() {
  FreeToolWindows();
  delete Frame1;
  Frame1 = nullptr;
  IniFilePath.clear();
  hasDynamicSelectiveEs = false;
}

ScopedFrameModule::ScopedFrameModule() { ResetFrameModule(); }

ScopedFrameModule::~ScopedFrameModule() { ResetFrameModule(); }

}  // namespace vt::frame
