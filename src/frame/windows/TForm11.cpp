// The voice compressor tuning graph: plot, scales, PNG export.
#include <QAbstractSlider>
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "editors/VoiceCompressor.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

namespace {

constexpr int kPlotLeft = 62, kPlotTop = 16, kPlotSize = 300;

// The five bars in the owner, at their start positions when they are missing.
editors::CompressorGraph GraphOf(QWidget* owner, int w, int h) {
  auto pos = [owner](const char* name, int start) {
    auto* bar = owner ? owner->findChild<QAbstractSlider*>(name) : nullptr;
    return bar ? bar->value() : start;
  };
  return editors::ComputeCompressorGraph(pos("ScrollBar39", 20), pos("ScrollBar40", 80),
                                         pos("ScrollBar41", 4), pos("ScrollBar42", 110),
                                         pos("ScrollBar43", 0), w, h);
}

// The plot: white, framed, gridded; unity gain in light red, the
// characteristic in blue.
void Paint(QPainter& p, QWidget* plot, QWidget* owner) {
  const int W = plot->width(), H = plot->height();
  const editors::CompressorGraph g = GraphOf(owner, W, H);
  p.fillRect(plot->rect(), Qt::white);
  p.setPen(QPen(Qt::black, 1));
  p.drawPolyline(QPolygon({QPoint(0, 0), QPoint(W - 1, 0), QPoint(W - 1, H - 1), QPoint(0, H - 1),
                           QPoint(0, 0)}));
  p.setPen(QPen(QColor(0xCC, 0xCC, 0xCC), 1));
  for (int k = 1; k <= 5; ++k) {
    p.drawLine(1, k * H / 6, W - 1, k * H / 6);
    p.drawLine(k * W / 6, 1, k * W / 6, H - 1);
  }
  p.setPen(QPen(QColor(0xFF, 0xBB, 0xBB), 1));
  p.drawLine(g.unity[0].x, g.unity[0].y, g.unity[1].x, g.unity[1].y);
  p.setPen(QPen(QColor(0x00, 0x00, 0xFF), 3));
  QPolygon curve;
  for (const editors::GraphPoint& pt : g.curve) curve << QPoint(pt.x, pt.y);
  p.drawPolyline(curve);
}

QLabel* MakeLabel(QWidget* parent, int n, const QString& text, QRect where, Qt::Alignment align) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString("Label%1").arg(n));
  l->setGeometry(where);
  l->setAlignment(align);
  return l;
}

}  // namespace

TForm11::TForm11(QWidget* owner)
    : TToolWindow(owner, "Form11", "Voice compressor tuning graph"), owner_(owner) {
  setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
  setFixedSize(393, 372);
  auto* plot = new TPaintBox(this);
  plot->OnPaint = [plot, owner](QPainter& p) { Paint(p, plot, owner); };
  PaintBox1 = plot;
  PaintBox1->setObjectName("PaintBox1");
  PaintBox1->setGeometry(kPlotLeft, kPlotTop, kPlotSize, kPlotSize);
  const int step = kPlotSize / 6;
  for (int k = 0; k < 7; ++k)  // output scale, top to bottom
    MakeLabel(this, k + 1, QString(), QRect(kPlotLeft - 46, kPlotTop + k * step - 8, 42, 16),
              Qt::AlignRight | Qt::AlignVCenter);
  for (int k = 0; k < 7; ++k)  // input scale, "0dB" at the right edge
    MakeLabel(this, k + 8, QString("%1dB").arg(-10 * k),
              QRect(kPlotLeft + kPlotSize - k * step - 22, kPlotTop + kPlotSize + 4, 44, 16),
              Qt::AlignHCenter);
  MakeLabel(this, 15, "Input", QRect(kPlotLeft + kPlotSize / 2 - 30, kPlotTop + kPlotSize + 24, 60, 16),
            Qt::AlignHCenter);
  QLabel* output = MakeLabel(this, 16, "O u t p u t", QRect(2, kPlotTop + kPlotSize / 2 - 90, 12, 180),
                             Qt::AlignCenter);
  output->setWordWrap(true);

  AddSaveAction(PaintBox1, "Save graph as PNG...", "Save graph", "PNG images (*.png)",
                [this](const QString& path) { return SavePng(path); });
  Redraw();
}

QWidget* TForm11::LabelN(int n) const { return findChild<QLabel*>(QString("Label%1").arg(n)); }

void TForm11::Redraw() {
  const editors::CompressorGraph g = GraphOf(owner_, PaintBox1->width(), PaintBox1->height());
  for (int k = 0; k < 7; ++k)
    if (auto* l = qobject_cast<QLabel*>(LabelN(k + 1)))
      l->setText(QString::fromStdString(g.outputScale[size_t(k)]));
  PaintBox1->update();
}

bool TForm11::SavePng(const QString& path) {
  Redraw();
  QPixmap image(size());
  image.fill(palette().color(QPalette::Window));
  render(&image);
  return image.save(path, "PNG");
}

}  // namespace vt::frame
