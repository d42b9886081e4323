// The one QApplication of a GUI test binary (QT_QPA_PLATFORM=offscreen under CTest).
#pragma once

#include "tests/support/QtApp.h"
