// One QApplication and one main frame for the read-only checks of the pages;
// helpers that find a control and the page or group it sits in.
#pragma once

#include <QGroupBox>
#include <QString>

#include "frame/TFrame1.h"
#include "tests/support/QtApp.h"

namespace vt::testing {

// The frame as created, shared by the read-only checks of a test binary.
inline frame::TFrame1& Frame() {
  App();
  static frame::TFrame1* f = new frame::TFrame1;
  return *f;
}

template <class T = QWidget>
T* Find(const char* name) {
  return Frame().findChild<T*>(QString::fromLatin1(name));
}

// The name of the page (TabSheetN) that holds `w`.
inline QString PageOf(const QWidget* w) {
  for (const QWidget* p = w; p; p = p->parentWidget())
    if (p->objectName().startsWith("TabSheet")) return p->objectName();
  return {};
}

// The title of the nearest titled group around `w`.
inline QString GroupOf(const QWidget* w) {
  for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (auto* g = qobject_cast<const QGroupBox*>(p); g && !g->title().isEmpty()) return g->title();
  return {};
}

}  // namespace vt::testing
