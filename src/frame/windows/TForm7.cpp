#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <cmath>

#include "frame/ToolWindows.h"

namespace vt::frame {

TForm7::TForm7(QWidget* owner) : TToolWindow(owner, "Form7", "Vu meter (0dBfs=full scale sine)") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(330, 64);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->setRange(0, 60);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  ProgressBar1->setGeometry(10, 8, 310, 20);
  // Scale marks under the bar at their positions (0 dB is a full-scale sine).
  const std::pair<int, const char*> marks[] = {{0, "-inf"}, {7, "-50dB"}, {27, "-30dB"}, {37, "-20dB"},
                                               {47, "-10dB"}, {57, "0dB"},  {60, "+3dB"}};
  for (const auto& [position, text] : marks) {
    auto* label = new QLabel(text, this);
    label->adjustSize();
    const int x = 10 + position * 310 / 60 - label->width() / 2;
    label->move(std::clamp(x, 2, width() - label->width() - 2), 34);
  }
}

int TForm7::Position(double rms) {
  if (!(rms > 0)) return 0;
  const int p = static_cast<int>(std::trunc(20 * std::log10(rms / 32767))) + 60;
  return p < 0 ? 0 : std::min(p, 60);
}

void TForm7::ShowLevel(double rms) { ProgressBar1->setValue(Position(rms)); }

}  // namespace vt::frame
