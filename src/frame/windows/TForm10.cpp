// The selective echo suppressor curve editor: plot, gestures, write-back.
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "editors/SelEsCurve.h"
#include "editors/SelectiveEs.h"
#include "frame/Controls.h"
#include "frame/Module.h"
#include "frame/ToolWindows.h"
#include "frame/WidgetControls.h"
#include "frame/tabs/ParamListBinding.h"
#include "handset/HandsetState.h"

namespace vt::frame {

namespace {
constexpr int kPlotW = 609, kPlotH = 297;
constexpr const char* kList = "ValueListEditor8";

void PaintCurve(QPainter& p, const editors::CurveModel& c);
}  // namespace

struct TForm10::Curve : editors::CurveModel {
  Curve() : CurveModel(kPlotW, kPlotH) {}
};

TForm10::TForm10(QWidget* owner)
    : TToolWindow(owner, "Form10", "Selective Echo Suppressor"),
      owner_(owner),
      curve_(std::make_unique<Curve>()) {
  setFixedSize(kPlotW + 16, kPlotH + 52);
  PaintBox1 = new TPaintBox(this);
  PaintBox1->setObjectName("PaintBox1");
  PaintBox1->setGeometry(8, 8, kPlotW, kPlotH);
  PaintBox1->OnPaint = [this](QPainter& p) { PaintCurve(p, *curve_); };
  PaintBox1->installEventFilter(this);
  auto* update = new QPushButton("Update Target", this);
  update->setObjectName("Button1");
  update->setGeometry(8 + kPlotW - 120, kPlotH + 16, 120, 28);
  connect(update, &QPushButton::clicked, this, [this] { Button1Click(); });
  Button1 = update;
}

TForm10::~TForm10() = default;

bool TForm10::eventFilter(QObject* watched, QEvent* event) {
  if (watched != PaintBox1) return TToolWindow::eventFilter(watched, event);
  auto* m = dynamic_cast<QMouseEvent*>(event);
  if (!m) return false;
  const QPoint at = m->position().toPoint();
  switch (event->type()) {
    case QEvent::MouseButtonPress: curve_->MouseDown(at.x(), at.y()); break;
    case QEvent::MouseMove:
      if (m->buttons() != Qt::LeftButton || m->modifiers() != Qt::NoModifier) return false;
      curve_->MouseMove(at.x(), at.y());
      break;
    case QEvent::MouseButtonRelease: curve_->MouseUp(); break;
    default: return false;
  }
  PaintBox1->update();
  return true;
}

void TForm10::LoadFromList() {
  WidgetControls controls(owner_);
  const editors::RowList rows = controls.ListRows(kList);
  editors::CurvePoints points{};
  for (size_t k = 0; k < 4 && 2 * k + 1 < rows.size(); ++k) {
    points[k].bin = editors::ParseWord(rows[2 * k].second).value_or(0);
    points[k].gain = editors::ParseWord(rows[2 * k + 1].second).value_or(0);
  }
  curve_->Load(points);
  PaintBox1->update();
}

void TForm10::Open() {
  LoadFromList();
  exec();
}

void TForm10::Button1Click() {
  WidgetControls controls(owner_);
  const auto target = curve_->ToTarget();
  for (size_t k = 0; k < 4; ++k) {
    controls.SetListValue(kList, int(2 * k + 1), std::to_string(target.points[k].bin));
    controls.SetListValue(kList, int(2 * k + 2), std::to_string(target.points[k].gain));
  }
  controls.SetChecked("CheckBox98", target.enable);
  ReportListError(editors::SelEsUpdate(controls, ChipType(), hasDynamicSelectiveEs));
}

std::vector<QPoint> TForm10::CurvePoints() const {
  std::vector<QPoint> out;
  for (const editors::TCrossPoint& pt : curve_->Points()) out.emplace_back(pt.x, pt.y);
  return out;
}

namespace {
void PaintCurve(QPainter& p, const editors::CurveModel& c) {
  const int W = c.Width(), H = c.Height();
  p.fillRect(QRect(0, 0, W, H), Qt::white);
  p.setFont(QFont("Arial", 7));
  p.setPen(QColor(0xD0, 0xD0, 0xD0));
  for (int db = -10; db > -80; db -= 10) {  // level grid every 10 dB
    const int y = c.LevelToY(db);
    p.drawLine(0, y, W, y);
  }
  for (double f : {100.0, 200.0, 500.0, 1000.0, 2000.0, 3000.0}) {
    const int x = c.FreqToX(f);
    p.drawLine(x, 0, x, H);
  }
  p.setPen(Qt::darkGray);
  for (int db = -10; db > -80; db -= 10)
    p.drawText(2, c.LevelToY(db) - 2, QString("%1 dB").arg(db));
  for (double f : {100.0, 200.0, 500.0, 1000.0, 2000.0, 3000.0})
    p.drawText(c.FreqToX(f) + 2, H - 3, f < 1000 ? QString("%1 Hz").arg(f) : QString("%1 kHz").arg(f / 1000));
  p.drawText(2, 10, "0 dB");
  p.setPen(QPen(Qt::blue, 2));
  QPoint last(0, 0);
  for (const editors::TCrossPoint& pt : c.Points()) {
    p.drawLine(last, QPoint(pt.x, pt.y));
    last = QPoint(pt.x, pt.y);
  }
  p.setPen(QPen(Qt::red, 2));
  for (const editors::TCrossPoint& pt : c.Points()) {
    p.drawLine(pt.x - 4, pt.y - 4, pt.x + 4, pt.y + 4);
    p.drawLine(pt.x - 4, pt.y + 4, pt.x + 4, pt.y - 4);
  }
}

}  // namespace

bool TForm10::SavePng(const QString& path) { return grab().save(path, "PNG"); }

}  // namespace vt::frame
