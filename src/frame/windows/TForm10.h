// "Selective Echo Suppressor": the suppression curve of the "Selective echo
// supp" page drawn on a log-frequency, decibel plot with up to four points
// dragged by the mouse. "Update Target" writes the points back into the
// page's list and runs its "update". The plot can be saved as a PNG.
//
// Included by frame/ToolWindows.h inside its namespace, after TToolWindow:
// include that header, not this one.
#pragma once

#include <memory>
#include <vector>

class TPaintBox;

class TForm10 : public TToolWindow {
 public:
  explicit TForm10(QWidget* owner);
  ~TForm10() override;

  // "Wizard" of the page: the list's points loaded, the window shown modally.
  void Open();
  // The list's points loaded into the plot (what Open does before showing).
  void LoadFromList();
  // "Update Target".
  void Button1Click();
  bool SavePng(const QString& path);
  // The points in plot pixels, in order of frequency.
  std::vector<QPoint> CurvePoints() const;

  TPaintBox* PaintBox1 = nullptr;
  QWidget* Button1 = nullptr;  // "Update Target"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Curve;
  QWidget* owner_;
  std::unique_ptr<Curve> curve_;
};
