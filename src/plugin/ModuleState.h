// Module-wide state that lives with the plug-in.
#pragma once

#include <cstdint>

namespace vt::frame {
class TFrame1;
}

namespace vt::plugin {

// Stored by _set_shift, read by nothing in the module.
extern int32_t ShiftWords[9];
// Returned by _get_res, written by nothing in the module: they stay 0.
extern int32_t ResultWords[9];

// All reference counts of the handset's items back to 0.
void ClearModuleUseCounts();
// Closes an open measurement report of the frame, if any.
void CloseReport(vt::frame::TFrame1* frame);

}  // namespace vt::plugin
