// The codec, DSP-config, path and test pages fit the page control at its
// working size: every control inside its page, none squeezed below its
// minimum, no two controls of one container on top of each other.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QTabWidget>

#include "FrameFixture.h"

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

TEST(PathLayout, PagesFitThePageControlWithoutClippingOrOverlap) {
  frame::TFrame1& f = Frame();
  // The page control of the host window is about 1090 x 470 pixels.
  f.PageControl1->setFixedSize(1090, 470);
  f.show();
  for (const char* name : kPages) {
    SCOPED_TRACE(name);
    QWidget* page = Find(name);
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
  f.hide();
}

}  // namespace
}  // namespace vt::testing
