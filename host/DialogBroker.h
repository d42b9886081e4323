// voxhost answers the module's dialogs in scripted sessions with the shared
// broker of the dialog service.
#pragma once

#include "common/gui/DialogBroker.h"

namespace vt::host {
using DialogBroker = vt::ui::DialogBroker;
}  // namespace vt::host
