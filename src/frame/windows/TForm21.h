// "Result": the frequency response of the last loudness or echo measurement
// against its limit mask (aligned on the curve, broken lines), the previous
// measurement of the same kind in grey for comparison, and the single figure. The plot is saved as PNG
// and the curve as CSV from its context menu.
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once


class TForm21 : public TToolWindow {
 public:
  explicit TForm21(QWidget* owner);
  // A new result of a kind (RLR, SLR, TCL, ...): the last curve of that kind
  // becomes the grey one; the mask shown is `mask`, or the one shown before
  // when null.
  void ShowResult(int kind, const telephonometry::Curve& points, const filters::LimitMask* mask,
                  const QString& figure);

  // "Hz,dB" then one line per point.
  bool SaveCsv(const QString& path);

  telephonometry::Curve Points;    // (Hz, dB), at most a few thousand
  telephonometry::Curve Previous;  // the result of that kind before, for comparison
  filters::LimitMask Mask = telephonometry::ResultMask(telephonometry::ResultMaskSet::WindowDefault);
  bool MaskShown = false;

  QWidget* PaintBox1 = nullptr;
  QLabel* Label1 = nullptr;  // the figure
  QLabel* Label2 = nullptr;

 private:
  void Paint(QPainter& p) const;
  std::map<int, telephonometry::Curve> lastOfKind_;
};
