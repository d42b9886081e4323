#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QTextStream>

#include <cmath>

#include "common/SafeFile.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

namespace {
constexpr long double kMask = 10;  // the correction's mask, +-dB around 0
}

TForm6::TForm6(QWidget* owner) : TToolWindow(owner, "Form6", "FIR calculation") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setFixedSize(638, 345);
  QFont tahoma("Tahoma", 8);
  setFont(tahoma);
  PaintBox1 = AddPlot({16, 16, 609, 297}, [this](QPainter& p) { Paint(p); }, "curves",
                      [this](const QString& path) { return SaveCsv(path); });
  auto label = [this](const char* name, const QString& text, int x) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setGeometry(x, 320, 80, 16);
    return l;
  };
  Label1 = label("Label1", "FIR order:", 16);
  Label2 = label("Label2", "7", 80);
  Label3 = label("Label3", "Ripple:", 200);
  Label4 = label("Label4", "0dB", 250);
  fir_.tapCount = 7;
  fir_.Flat();
}

void TForm6::Load(const filters::Spectrum& measured) {
  measured_ = measured;
  fir_.tapCount = 7;
  fir_.Flat();
  Label2->setText("7");
  show();
  Replot();
}

void TForm6::Started() {
  busy_ = true;
  sincePlot_.start();
}
void TForm6::ProcessEvents() { QApplication::processEvents(); }
void TForm6::Finished() {
  busy_ = false;
  Replot();
}

void TForm6::Repaint(const filters::FirDesign& fir, const filters::MaskMargins&) {
  fir_ = fir;
  Label2->setText(QString::number(fir.tapCount));
  // A fit makes many passes a second: the plot follows about four times a
  // second, and shows the last pass when the fit ends.
  if (!busy_ || sincePlot_.elapsed() >= 250) Replot();
}

void TForm6::RippleChanged(long double ripple) {
  Label4->setText(QString::fromStdString(filters::RippleText(ripple)));
}

// The curves per pixel column and their level axes, worked out once per plot.
void TForm6::Replot() {
  sincePlot_.restart();
  const int columns = plot_.LastColumn() - plot_.FirstColumn() + 1;
  firDb_.assign(static_cast<size_t>(columns), 0);
  correctedDb_.assign(measured_.empty() ? 0 : static_cast<size_t>(columns), 0);
  measuredDb_.assign(correctedDb_.size(), 0);
  long double firMax = -200, firMin = 200, corMax = -200, corMin = 200;
  for (int i = 0; i < columns; ++i) {
    const long double f = plot_.FreqOfX(plot_.FirstColumn() + i), db = fir_.Response(f);
    firDb_[static_cast<size_t>(i)] = db;
    firMax = std::max(firMax, db), firMin = std::min(firMin, db);
    if (measured_.empty()) continue;
    const long double meas = measured_.At(f), c = meas + db;
    measuredDb_[static_cast<size_t>(i)] = meas;
    correctedDb_[static_cast<size_t>(i)] = c;
    corMax = std::max({corMax, c, meas}), corMin = std::min({corMin, c, meas});
  }
  plot_.filterAxis = filters::LevelAxis::Fit(firMax, firMin, filters::kFilterAxisExtra);
  if (!measured_.empty())
    plot_.pastedAxis = filters::LevelAxis::Fit(corMax, corMin, filters::kPastedAxisExtra);
  PaintBox1->update();
}

void TForm6::Paint(QPainter& p) const {
  const filters::PlotMapping& m = plot_;
  const int w = m.width, h = m.height;
  p.fillRect(0, 0, w, h, Qt::white);
  p.setPen(QColor(200, 200, 200));
  p.setFont(QFont("Arial", 7));
  for (long double decade : {10.0L, 100.0L, 1000.0L})
    for (int k = 1; k <= 9; ++k) {
      const long double f = decade * k;
      if (f < m.fmin || f > m.fmax) continue;
      const int x = m.XOfFreq(f);
      p.drawLine(x, 0, x, h);
      if (k == 1 || k == 2 || k == 5) p.drawText(x + 2, h - 3, QString::number(double(f)) + "Hz");
    }
  auto curve = [&](const filters::LevelAxis& axis, auto&& level, QColor color, int width, Qt::PenStyle style) {
    p.setPen(QPen(color, width, style));
    QPolygon line;
    for (int x = m.FirstColumn(); x <= m.LastColumn(); ++x)
      line << QPoint(x, m.YOfLevel(level(static_cast<size_t>(x - m.FirstColumn())), axis));
    p.drawPolyline(line);
  };
  if (!correctedDb_.empty()) {
    // dB marks of the measured and corrected curves every 5 dB, at the left.
    const long double top = m.pastedAxis.top, bottom = m.pastedAxis.bottom;
    for (long double v = std::ceil(bottom / 5) * 5; v <= top; v += 5) {
      const int y = m.YOfLevel(v, m.pastedAxis);
      p.setPen(QColor(225, 225, 225));
      p.drawLine(0, y, w, y);
      p.setPen(Qt::darkGray);
      p.drawText(3, y - 2, QString("%1 dB").arg(double(v)));
    }
    curve(m.pastedAxis, [](size_t) { return kMask; }, Qt::darkGray, 1, Qt::DashLine);
    curve(m.pastedAxis, [](size_t) { return -kMask; }, Qt::darkGray, 1, Qt::DashLine);
    curve(m.pastedAxis, [this](size_t i) { return measuredDb_[i]; }, Qt::darkGray, 2, Qt::SolidLine);
    curve(m.pastedAxis, [this](size_t i) { return correctedDb_[i]; }, Qt::blue, 3, Qt::SolidLine);
  }
  if (!firDb_.empty()) curve(m.filterAxis, [this](size_t i) { return firDb_[i]; }, Qt::red, 3, Qt::SolidLine);
  p.setPen(Qt::black);
  p.drawText(w - 300, 12, QString("FIR (red) %1..%2 dB").arg(double(m.filterAxis.bottom)).arg(double(m.filterAxis.top)));
  if (!correctedDb_.empty()) p.drawText(w - 160, 12, "measured (grey), corrected (blue)");
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, w - 1, h - 1);
}

bool TForm6::SaveCsv(const QString& path) {
  QString text = "Hz,measured dB,FIR dB,corrected dB\n";
  for (size_t i = 0; i < measured_.size(); ++i) {
    const long double f = measured_.freq[i], fir = fir_.Response(f);
    text += QString("%1,%2,%3,%4\n")
                .arg(double(f), 0, 'g', 8)
                .arg(double(measured_.level[i]), 0, 'f', 3)
                .arg(double(fir), 0, 'f', 3)
                .arg(double(measured_.level[i] + fir), 0, 'f', 3);
  }
  std::string error;
  return SaveFile(path.toStdString(), text.toStdString(), &error);
}

}  // namespace vt::frame
