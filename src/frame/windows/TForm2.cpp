#include "frame/ToolWindows.h"

namespace vt::frame {

TForm2::TForm2(QWidget* owner)
    : TFilterWizard(owner, {filters::Wizard::Uplink, "Form2", "UL filter Wizzard",
                            "Delta on SLR:", 4, false, "Button5", "Button6", "CheckBox8", 5}) {}

}  // namespace vt::frame
