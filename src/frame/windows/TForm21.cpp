#include <QLabel>
#include <QPainter>

#include <cmath>

#include "common/SafeFile.h"
#include "common/gui/Dialogs.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

using telephonometry::Curve;

TForm21::TForm21(QWidget* owner) : TToolWindow(owner, "Form21", "Result") {
  setFixedSize(641, 369);
  PaintBox1 = AddPlot({16, 16, 609, 297}, [this](QPainter& p) { Paint(p); }, "curve",
                      [this](const QString& path) { return SaveCsv(path); });
  QFont bold("Arial", 12);
  bold.setBold(true);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setFont(bold);
  Label1->setGeometry(16, 324, 300, 24);
  Label2 = new QLabel(this);
  Label2->setObjectName("Label2");
  Label2->setGeometry(330, 324, 295, 24);
}

void TForm21::ShowResult(int kind, const Curve& points, const filters::LimitMask* mask, const QString& figure) {
  Curve& last = lastOfKind_[kind];
  Previous = last;
  Points = last = points;
  MaskShown = true;
  if (mask) Mask = *mask;
  Label1->setText(figure);
  Label2->setText("");
  show();
  PaintBox1->update();
}

void TForm21::Paint(QPainter& p) const {
  const int w = PaintBox1->width(), h = PaintBox1->height();
  const filters::PlotMapping plot = telephonometry::ResultPlot(w, h);
  filters::LevelAxis axis{10, -40};
  if (!Points.empty()) axis = telephonometry::FitResultAxis(Points, plot);
  auto y = [&](long double level) { return plot.YOfLevel(level, axis); };
  p.fillRect(0, 0, w, h, Qt::white);
  p.setFont(QFont("Arial", 7));

  // Grid: 10..90 Hz, 100..900 Hz and 1000..3000 Hz by their decade, every 5 dB.
  p.setPen(QColor(211, 211, 211));
  for (int decade = 10; decade <= 1000; decade *= 10)
    for (int k = 1; k <= 9 && k * decade <= 3500; ++k) {
      const int x = plot.XOfFreq(k * decade);
      if (x > 0) p.drawLine(x, 0, x, h);
    }
  for (long double v = 5 * std::ceil(axis.bottom / 5); v <= axis.top; v += 5) p.drawLine(0, y(v), w, y(v));
  p.setPen(Qt::black);
  for (int f : {100, 200, 300, 500, 1000, 2000, 3000})
    p.drawText(plot.XOfFreq(f) + 2, h - 4, f >= 1000 ? QString("%1k").arg(f / 1000) : QString::number(f));
  p.drawText(w - 26, h - 14, "Hz");
  for (long double v = 10 * std::ceil(axis.bottom / 10); v <= axis.top; v += 10)
    p.drawText(3, y(v) - 2, QString("%1 dB").arg(static_cast<int>(v)));

  auto polyline = [&](const Curve& c, long double shift, const QPen& pen) {
    p.setPen(pen);
    QPolygon line;
    for (const auto& pt : c) line << QPoint(plot.XOfFreq(pt.freq), y(pt.level - shift));
    p.drawPolyline(line);
  };
  if (!Previous.empty()) polyline(Previous, 0, QPen(QColor(160, 160, 160), 1));
  if (MaskShown && !Points.empty()) {
    // Both limits move down by the offset that makes the worst margins equal.
    const telephonometry::MaskFit fit = telephonometry::FitMask(Points, Mask, plot);
    const long double offset = fit.offset;
    auto limit = [&](const Curve& list) {
      QPolygon line;
      for (int x = 1; x < w; ++x) {
        const long double f = plot.FreqOfX(x);
        if (telephonometry::Covers(list, f)) line << QPoint(x, y(telephonometry::LevelAt(list, f) - offset));
      }
      p.setPen(QPen(Qt::red, 1, Qt::DashLine));
      p.drawPolyline(line);
    };
    limit(Mask.upper);
    limit(Mask.lower);
    if (fit.known) {
      p.setPen(fit.margin >= 0 ? Qt::darkGreen : Qt::red);
      p.drawText(60, 12, fit.margin >= 0 ? QString("Within the mask, %1 dB to spare").arg(double(fit.margin), 0, 'f', 1)
                                          : QString("Outside the mask by %1 dB").arg(double(-fit.margin), 0, 'f', 1));
    }
  }
  if (!Points.empty()) polyline(Points, 0, QPen(Qt::blue, 2));
  p.setPen(Qt::black);
  if (!Previous.empty()) p.drawText(w - 190, 12, "measured (blue), the one before (grey)");
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
}

bool TForm21::SaveCsv(const QString& path) {
  std::string text = "Hz,dB\n";
  for (const auto& pt : Points)
    text += ui::S(QString("%1,%2\n").arg(double(pt.freq), 0, 'g', 8).arg(double(pt.level), 0, 'f', 2));
  std::string error;
  return SaveFile(path.toStdString(), text, &error);
}

}  // namespace vt::frame
