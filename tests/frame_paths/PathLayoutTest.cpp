// The codec, DSP-config, path and test pages fit the page control at its
// working size: every control inside its page, none squeezed below its
// minimum, no two controls of one container on top of each other.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QTabWidget>

#include "tests/support/FrameFixture.h"

namespace vt::testing {
namespace {

const char* kPages[] = {"TabSheet1", "TabSheet2",  "TabSheet3",  "TabSheet15",
                        "TabSheet8", "TabSheet10", "TabSheet12", "TabSheet16",
                        "TabSheet14", "TabSheet13", "TabSheet7"};

// The designed controls of a page that are shown, without Qt's inner parts.
QList<QWidget*> ShownControls(QWidget* page) {
  QList<QWidget*> out;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    if (qobject_cast<QAbstractScrollArea*>(w->parentWidget())) continue;
    if (w->isVisible()) out << w;
  }
  return out;
}

void ExpectPagesFit(frame::TFrame1& f) {
  for (const char* name : kPages) {
    SCOPED_TRACE(name);
    QWidget* page = f.findChild<QWidget*>(name);
    ASSERT_NE(page, nullptr);
    f.PageControl1->setCurrentWidget(page);
    App().processEvents();
    ASSERT_TRUE(page->isVisible());
    const QRect area = page->rect();
    QList<QWidget*> controls = ShownControls(page);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget* w : controls) {
      const std::string n = w->objectName().toStdString();
      QRect r(w->mapTo(page, QPoint(0, 0)), w->size());
      EXPECT_TRUE(area.contains(r)) << n << " lies outside its page";
      QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
      EXPECT_GE(w->width(), least.width()) << n << " is squeezed";
      EXPECT_GE(w->height(), least.height()) << n << " is squeezed";
      for (QWidget* v : controls) {
        if (v == w || v->parentWidget() != w->parentWidget()) continue;
        EXPECT_FALSE(w->geometry().intersects(v->geometry()))
            << n << " overlaps " << v->objectName().toStdString();
      }
    }
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
