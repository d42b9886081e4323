// Module-wide state of the plug-in that the frame reads.
#pragma once

#include <string>

namespace vt::frame {

class TFrame1;

// The one main frame; null until built.
extern TFrame1* Frame1;
// Path of the host INI file; empty until the host gives it.
extern std::string IniFilePath;
// The selective echo suppressor's dynamic control exists (set by the gating).
extern bool hasDynamicSelectiveEs;

}  // namespace vt::frame
