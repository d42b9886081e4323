// One QApplication and one main frame for the checks of the echo, noise,
// filter, dynamics, music and measures pages.
#pragma once

#include <QApplication>
#include <QString>

#include <memory>

#include "frame/TFrame1.h"

namespace vt::testing {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "frame_lists_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// The frame as created, before any tab change.
inline frame::TFrame1& Frame() {
  App();
  static std::unique_ptr<frame::TFrame1> f = std::make_unique<frame::TFrame1>();
  return *f;
}

template <class T = QWidget>
T* Find(const char* name) {
  return Frame().findChild<T*>(QString::fromLatin1(name));
}

}  // namespace vt::testing
