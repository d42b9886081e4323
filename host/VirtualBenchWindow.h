// "Virtual bench": where the virtual bench's transducers are (the scene), the
// ear type, what the radio tester does, the bench file, and what a perfect
// calibration and measurement must find on it. A user walks through a
// calibration by hand with it: place the reference microphone on the
// calibrator here, press "Cal Ref mike" in the frame, and so on.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "bench/Bench.h"

namespace vt::host {

class VirtualBenchWindow : public QWidget {
  Q_OBJECT
 public:
  VirtualBenchWindow(bench::Bench& bench, QWidget* parent);
  // Shows the bench as it is now (after a script or a load moved it).
  void Refresh();
  // GUI thread: runs a bench command and refreshes; false with the reason in `text`.
  bool Command(const QString& line, QString& text);

 private:
  void Run(const QString& line);
  void LoadFile();
  bench::Bench& bench_;
  QLabel* file_ = nullptr;
  QComboBox* scene_ = nullptr;
  QComboBox* ear_ = nullptr;
  QComboBox* tester_ = nullptr;
  QLabel* status_ = nullptr;
  QPlainTextEdit* truth_ = nullptr;
};

}  // namespace vt::host
