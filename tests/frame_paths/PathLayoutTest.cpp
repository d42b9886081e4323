// The codec, DSP-config, path and test pages fit the page control at its
// working size: every control inside its page, none squeezed below its
// minimum, no two controls of one container on top of each other.
#include <gtest/gtest.h>

#include "tests/support/FrameFixture.h"
#include "tests/support/PageLayout.h"

namespace vt::testing {
namespace {

const char* kPages[] = {"TabSheet1", "TabSheet2",  "TabSheet3",  "TabSheet15",
                        "TabSheet8", "TabSheet10", "TabSheet12", "TabSheet16",
                        "TabSheet14", "TabSheet13", "TabSheet7"};

void ExpectPagesFit(frame::TFrame1& f) {
  for (const char* name : kPages) {
    SCOPED_TRACE(name);
    QWidget* page = f.findChild<QWidget*>(name);
    ASSERT_NE(page, nullptr);
    f.PageControl1->setCurrentWidget(page);
    App().processEvents();
    ExpectPageFits(page);
  }
}

// Both default views: the Q710/2 one shows the most controls, the Q711/15 one
// hides groups and leaves their neighbours to hold the page together.
TEST(PathLayout, PagesFitThePageControlWithoutClippingOrOverlap) {
  App();
  frame::TFrame1 f;
  // The page control of the host window is about 1090 x 470 pixels.
  f.PageControl1->setFixedSize(1090, 470);
  f.show();
  {
    SCOPED_TRACE("Q710/2 view");
    f.RadioButton35->setChecked(true);
    ASSERT_TRUE(f.CheckBox100->isVisibleTo(f.TabSheet8));  // the fuller layout is on
    ExpectPagesFit(f);
  }
  {
    SCOPED_TRACE("Q711/15 view");
    f.RadioButton34->setChecked(true);
    ExpectPagesFit(f);
  }
}

}  // namespace
}  // namespace vt::testing
