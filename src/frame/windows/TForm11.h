// "Voice compressor tuning graph": the compressor's input/output
// characteristic drawn from the five bars of the "DL Dyn treatment" page
// (found by name on the owner), with its dB scales. The plot can be saved as
// a PNG from its context menu or through SavePng.
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

class TForm11 : public TToolWindow {
 public:
  explicit TForm11(QWidget* owner);
  // Rereads the bars and redraws the plot and its output scale.
  void Redraw();
  // The plot with its scales, as a PNG file; false when it cannot be written.
  bool SavePng(const QString& path);

  QWidget* PaintBox1 = nullptr;
  // Label1 ... Label16 by number.
  QWidget* LabelN(int n) const;

 private:
  QWidget* owner_;
};
