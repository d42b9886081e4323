// The echo, noise, filter, dynamics, music and measures pages fit the page
// control at its working size, with every optional control shown: each
// control inside its page, none squeezed below its minimum, no two controls
// of one container on top of each other.
#include <gtest/gtest.h>

#include <QSignalBlocker>

#include "tests/support/FrameFixture.h"
#include "tests/support/PageLayout.h"

namespace vt::testing {
namespace {

TEST(ListLayout, PagesFitWithEveryOptionalControlShown) {
  frame::TFrame1& f = Frame();
  // The largest layout: the Q710/2 list and all that the gating or a warning can show.
  for (QWidget* w : std::initializer_list<QWidget*>{
           f.ValueListEditor9, f.CheckBox96, f.GroupBox54, f.Button54, f.Button130,
           f.CheckBox97, f.RadioButton31, f.RadioButton32})
    w->show();
  f.ValueListEditor4->hide();
  // The page control of the host window is about 1090 x 470 pixels.
  f.PageControl1->setFixedSize(1090, 470);
  f.show();
  {
    // Page changes without the tab-change handler: this is about layout only.
    QSignalBlocker quiet(f.PageControl1);
    for (const char* name : {"TabSheet4", "TabSheet18", "TabSheet9", "TabSheet5", "TabSheet6",
                             "TabSheet20", "TabSheet11", "TabSheet21"}) {
      SCOPED_TRACE(name);
      QWidget* page = Find(name);
      ASSERT_NE(page, nullptr);
      f.PageControl1->setCurrentWidget(page);
      App().processEvents();
      ExpectPageFits(page);
    }
    f.PageControl1->setCurrentWidget(f.TabSheet17);
    for (QWidget* page : {f.TabSheet22, f.TabSheet23, f.TabSheet24}) {
      SCOPED_TRACE(page->objectName().toStdString());
      f.PageControl2->setCurrentWidget(page);
      App().processEvents();
      ExpectPageFits(page);
      // The inner pages take the whole tab.
      EXPECT_GE(f.PageControl2->width(), f.TabSheet17->width() - 20);
    }
  }
  f.hide();
  f.ValueListEditor4->show();
  for (QWidget* w : std::initializer_list<QWidget*>{
           f.ValueListEditor9, f.CheckBox96, f.GroupBox54, f.Button54, f.Button130,
           f.CheckBox97, f.RadioButton31, f.RadioButton32})
    w->hide();
}

}  // namespace
}  // namespace vt::testing
