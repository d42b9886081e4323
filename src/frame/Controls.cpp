#include "frame/Controls.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace vt::frame {

TScrollBar::TScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setSingleStep(1);
}

QSize TScrollBar::sizeHint() const {
  QSize s = QScrollBar::sizeHint();
  s.setWidth(std::max(s.width(), 120));
  return s;
}

TTrackBar::TTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
  setTickPosition(QSlider::TicksBelow);
}

TValueListEditor::TValueListEditor(QWidget* parent) : QTableWidget(0, 2, parent) {
  setHorizontalHeaderLabels({"Coeff", "Value"});
  verticalHeader()->setVisible(false);
  verticalHeader()->setDefaultSectionSize(18);
  horizontalHeader()->setStretchLastSection(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void TValueListEditor::SetStrings(const std::vector<std::string>& lines) {
  QSignalBlocker block(this);
  setRowCount(int(lines.size()));
  for (int i = 0; i < int(lines.size()); ++i) {
    const std::string& l = lines[size_t(i)];
    auto eq = l.find('=');
    std::string key = eq == std::string::npos ? l : l.substr(0, eq);
    std::string value = eq == std::string::npos ? std::string() : l.substr(eq + 1);
    auto* k = new QTableWidgetItem(QString::fromLatin1(key.c_str()));
    k->setFlags(k->flags() & ~Qt::ItemIsEditable);
    setItem(i, 0, k);
    setItem(i, 1, new QTableWidgetItem(QString::fromLatin1(value.c_str())));
  }
}

std::vector<std::string> TValueListEditor::Strings() const {
  std::vector<std::string> out;
  for (int r = 1; r <= RowCount(); ++r) out.push_back(Key(r) + "=" + Value(r));
  return out;
}

std::string TValueListEditor::Key(int row) const {
  auto* it = (row >= 1 && row <= rowCount()) ? item(row - 1, 0) : nullptr;
  return it ? it->text().toLatin1().toStdString() : std::string();
}

std::string TValueListEditor::Value(int row) const {
  auto* it = (row >= 1 && row <= rowCount()) ? item(row - 1, 1) : nullptr;
  return it ? it->text().toLatin1().toStdString() : std::string();
}

void TValueListEditor::SetValue(int row, const std::string& value) {
  if (row < 1 || row > rowCount()) return;
  auto* it = item(row - 1, 1);
  if (!it) setItem(row - 1, 1, it = new QTableWidgetItem);
  it->setText(QString::fromLatin1(value.c_str()));
}

int TValueListEditor::FindRow(const std::string& key) const {
  for (int r = 1; r <= rowCount(); ++r)
    if (Key(r) == key) return r;
  return 0;
}

std::string TValueListEditor::Values(const std::string& key) const {
  int r = FindRow(key);
  return r ? Value(r) : std::string();
}

bool TValueListEditor::SetValues(const std::string& key, const std::string& value) {
  int r = FindRow(key);
  if (!r) return false;
  SetValue(r, value);
  return true;
}

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TPaintBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (OnPaint) OnPaint(p);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* e) {
  if (OnMouseMove) OnMouseMove(int(e->position().x()), int(e->position().y()));
}

void TPaintBox::mousePressEvent(QMouseEvent* e) {
  if (OnMouseDown) OnMouseDown(int(e->position().x()), int(e->position().y()), e->button());
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* e) {
  if (OnMouseUp) OnMouseUp(int(e->position().x()), int(e->position().y()));
}

}  // namespace vt::frame
