// "Vu meter (0dBfs=full scale sine)": the level display of the calibrations'
// gain searches, a bar from 0 to 60 where a full-scale sine reads 57 ("0dB").
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

class TForm7 : public TToolWindow {
 public:
  explicit TForm7(QWidget* owner);
  // The bar for an rms value in sample units: trunc(20*log10(rms/32767)) + 60,
  // 0 for no signal or anything below the scale.
  static int Position(double rms);
  void ShowLevel(double rms);

  QProgressBar* ProgressBar1 = nullptr;
};
