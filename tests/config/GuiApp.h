// The one QApplication of a GUI test binary (QT_QPA_PLATFORM=offscreen under CTest).
#pragma once

#include <QApplication>

namespace vt::testing {

inline QApplication& App() {
  static int argc = 1;
  static char name[] = "config_gui_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

}  // namespace vt::testing
