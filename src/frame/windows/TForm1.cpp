#include "frame/ToolWindows.h"

namespace vt::frame {

TForm1::TForm1(QWidget* owner)
    : TFilterWizard(owner, {filters::Wizard::Downlink, "Form1", "DL filter Wizzard",
                            "Delta on RLR:", 2, true, "Button6", "Button5", "CheckBox7", 3}) {}

}  // namespace vt::frame
