// The "Echo suppressor" page.
#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupEchoSuppressor() {
  ValueListEditor5->SetStrings({"UL_Gmin=0x0148", "UL_TauR=0x4100", "UL_TauD=0x7FBE",
                                "DL_Gmin=0x0148", "DL_TauR=0x4100", "DL_TauD=0x7FBE"});
  FitList(ValueListEditor5, 90, 0);
}

}  // namespace vt::frame
