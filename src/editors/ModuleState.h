// The module-wide state of the core, as one thing to reset: the link
// pointer and its wait, the handset state (chip type, flags, constants,
// override counts) and the shared memo cursor.
//
// Tests wrap themselves in a ScopedModuleState instead of undoing globals by
// hand; the plug-in resets through it when its frame goes away.
#pragma once

namespace vt {
struct SocketManager;
}

namespace vt::editors {

// Handset state as at load, the memo cursor detached and cleared.
void ResetHandsetAndMemo();

// Starts from a clean module (link pointer none, handset and memo reset) and
// on leaving puts back the link pointer and wait it found, with the handset
// and memo state reset again.
class ScopedModuleState {
 public:
  ScopedModuleState();
  ~ScopedModuleState();
  ScopedModuleState(const ScopedModuleState&) = delete;
  ScopedModuleState& operator=(const ScopedModuleState&) = delete;

 private:
  SocketManager* link_;
  int waitMs_;
};

}  // namespace vt::editors
