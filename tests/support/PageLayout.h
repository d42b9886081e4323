// Checks that a page of the frame is laid out tidily at its working size.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QList>
#include <QTabWidget>
#include <QWidget>

#include <vector>

namespace vt::testing {

// The designed controls inside `page` that are shown, without Qt's inner
// parts (viewports and bars of scroll areas, the pages of nested tab controls).
inline QList<QWidget*> ShownControls(QWidget* page) {
  QList<QWidget*> out;
  for (QWidget* w : page->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith("qt_")) continue;
    if (qobject_cast<QAbstractScrollArea*>(w->parentWidget())) continue;
    if (qobject_cast<QTabWidget*>(w->parentWidget())) continue;
    if (w->isVisible()) out << w;
  }
  return out;
}

// Every shown control lies inside the page, none is squeezed below its
// minimum, and no two controls of one container overlap.
inline void ExpectPageFits(QWidget* page) {
  ASSERT_TRUE(page->isVisible());
  const QRect area = page->rect();
  const QList<QWidget*> controls = ShownControls(page);
  ASSERT_FALSE(controls.isEmpty());
  for (QWidget* w : controls) {
    const std::string n = w->objectName().toStdString();
    EXPECT_TRUE(area.contains(QRect(w->mapTo(page, QPoint(0, 0)), w->size())))
        << n << " lies outside its page";
    const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
    EXPECT_GE(w->width(), least.width()) << n << " is squeezed";
    EXPECT_GE(w->height(), least.height()) << n << " is squeezed";
    for (QWidget* v : controls) {
      if (v == w || v->parentWidget() != w->parentWidget()) continue;
      EXPECT_FALSE(w->geometry().intersects(v->geometry()))
          << n << " overlaps " << v->objectName().toStdString();
    }
  }
}

// Shows the named pages of `tabs` one after the other, each fitting.
inline void ExpectTabsFit(QTabWidget* tabs, const std::vector<const char*>& pages,
                          const char* trace = "") {
  SCOPED_TRACE(trace);
  for (const char* name : pages) {
    SCOPED_TRACE(name);
    auto* page = tabs->findChild<QWidget*>(name);
    ASSERT_NE(page, nullptr);
    tabs->setCurrentWidget(page);
    QCoreApplication::processEvents();
    ExpectPageFits(page);
  }
}

}  // namespace vt::testing
