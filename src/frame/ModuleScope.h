// The whole module's state as one thing to reset, for tests: the core's
// (link pointer and wait, handset state, memo cursor) and the frame's
// (the frame and its tool windows, the INI path, the gating's flag).
#pragma once

#include "editors/ModuleState.h"

namespace vt::frame {

// Frees a frame left by the code under test and its tool windows, and puts
// the module-wide state back as at load, on entry and again on exit.
class ScopedFrameModule {
 public:
  ScopedFrameModule();
  ~ScopedFrameModule();
  ScopedFrameModule(const ScopedFrameModule&) = delete;
  ScopedFrameModule& operator=(const ScopedFrameModule&) = delete;

 private:
  editors::ScopedModuleState core_;
};

// What the scope does on entry and exit.
void ResetFrameModule();

}  // namespace vt::frame
