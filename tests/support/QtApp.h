// The one QApplication of a GUI test binary (QT_QPA_PLATFORM=offscreen under CTest).
#pragma once

#include <QApplication>

namespace vt::testing {

// Kept to the end of the process: tearing Qt down among the exit handlers, after
// a window was shown, crashes in the input-device registry.
inline QApplication& App() {
  static int argc = 1;
  static char name[] = "voxtuner_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace vt::testing
