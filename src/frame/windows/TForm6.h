// "FIR calculation": shows a correction FIR being fitted to a measured
// response (the calibrations' mouth and ear corrections): the FIR's response
// in red, the measured response in grey and the corrected one in blue inside
// its +-10 dB mask (dB marks at the left, Hz along the bottom), the FIR
// order and the ripple reached. It is the fit's observer: closing the window
// stops the fit at its next pass. The plot is saved as PNG and the curves as
// CSV from its context menu.
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

class TForm6 : public TToolWindow, public filters::FitObserver {
 public:
  explicit TForm6(QWidget* owner);
  // A measured response to correct; shows the window with a flat FIR.
  void Load(const filters::Spectrum& measured);

  // One line per measured point: Hz, measured dB, FIR dB, corrected dB.
  bool SaveCsv(const QString& path);

  // The fit's observer.
  void Started() override;
  void ProcessEvents() override;
  void Repaint(const filters::FirDesign& fir, const filters::MaskMargins& margins) override;
  void RippleChanged(long double ripple) override;
  bool Cancelled() override { return !isVisible(); }
  void Finished() override;

  QWidget* PaintBox1 = nullptr;
  QLabel* Label1 = nullptr;  // "FIR order:"
  QLabel* Label2 = nullptr;  // the order
  QLabel* Label3 = nullptr;  // "Ripple:"
  QLabel* Label4 = nullptr;  // the ripple

 private:
  void Replot();
  void Paint(QPainter& p) const;
  filters::Spectrum measured_;
  filters::FirDesign fir_;
  filters::PlotMapping plot_;
  std::vector<long double> firDb_, measuredDb_, correctedDb_;  // per pixel column
  bool busy_ = false;
  QElapsedTimer sincePlot_;
};
