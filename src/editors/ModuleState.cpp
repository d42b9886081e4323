#include "editors/ModuleState.h"

#include "config/MemoConfig.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"

namespace vt::editors {

void ResetHandsetAndMemo() {
  ResetHandsetState();
  SharedMemoConfig() = MemoConfig{};
}

ScopedModuleState::ScopedModuleState() : link_(Link()), waitMs_(LinkWaitMs()) {
  SetLink(nullptr);
  ResetHandsetAndMemo();
}

ScopedModuleState::~ScopedModuleState() {
  SetLink(link_);
  SetLinkWaitMs(waitMs_);
  ResetHandsetAndMemo();
}

}  // namespace vt::editors
