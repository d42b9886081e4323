#include "frame/Builder.h"

#include <QGridLayout>
#include <QTabWidget>

namespace vt::frame {

void Builder::Configure(QWidget* w, const ControlRow& s) {
  w->setObjectName(QString::fromLatin1(s.name));
  if (s.flags & kDisabled) w->setEnabled(false);
  // Hidden controls are hidden once placed (see Place).
}

void Builder::Configure(QGroupBox* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setTitle(QString::fromLatin1(s.caption));
}

void Builder::Configure(QLabel* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setText(QString::fromLatin1(s.caption));
}

void Builder::Configure(QPushButton* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setText(QString::fromLatin1(s.caption));
  w->setAutoDefault(false);
}

void Builder::Configure(QCheckBox* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setText(QString::fromLatin1(s.caption));
  w->setChecked(s.start != 0);
}

void Builder::Configure(QRadioButton* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setText(QString::fromLatin1(s.caption));
  w->setChecked(s.start != 0);
}

void Builder::Configure(QScrollBar* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setRange(s.min, s.max);
  w->setValue(s.start);
  if (s.largeStep > 0) w->setPageStep(s.largeStep);
}

void Builder::Configure(QSlider* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setRange(s.min, s.max);
  w->setValue(s.start);
  if (s.largeStep > 0) w->setPageStep(s.largeStep);
}

void Builder::Configure(QComboBox* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  QString items = QString::fromLatin1(s.caption);
  if (!items.isEmpty()) w->addItems(items.split('|'));
  w->setCurrentIndex(s.start);
}

void Builder::Configure(QLineEdit* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setText(QString::fromLatin1(s.caption));
}

void Builder::Configure(QProgressBar* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setRange(s.min, s.max);
  w->setValue(s.start);
}

void Builder::Configure(QPlainTextEdit* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setPlainText(QString::fromLatin1(s.caption));
}

void Builder::Configure(QTabWidget* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
}

void Builder::Configure(TValueListEditor* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  w->setMinimumSize(150, 120);
}

void Builder::Configure(TPaintBox* w, const ControlRow& s) {
  Configure(static_cast<QWidget*>(w), s);
  if (s.max > 0 && s.min > 0) w->setMinimumSize(s.min, s.max);  // Min x Max = width x height
}

void Builder::Place(QWidget* w, QWidget* parent, const ControlRow& s) {
  if (auto* pages = qobject_cast<QTabWidget*>(parent)) {
    pages->addTab(w, QString::fromLatin1(s.caption));
    return;
  }
  auto* grid = qobject_cast<QGridLayout*>(parent->layout());
  if (!grid) {
    grid = new QGridLayout(parent);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
  }
  Cursor& c = cursors_[parent];
  if (s.flags & kNewColumn) {
    c.base += c.width;
    c.width = 1;
    c.row = -1;
  }
  if ((s.flags & kSameRow) && c.row >= 0) {
    ++c.col;
  } else {
    ++c.row;
    c.col = 0;
  }
  int span = (s.flags & kSpan2) ? 2 : 1;
  grid->addWidget(w, c.row, c.base + c.col, 1, span, Qt::AlignLeft | Qt::AlignVCenter);
  if ((s.flags & kWide) || qobject_cast<QGroupBox*>(w) || qobject_cast<QTableWidget*>(w) ||
      qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTabWidget*>(w) ||
      qobject_cast<TPaintBox*>(w) || qobject_cast<QScrollBar*>(w) || qobject_cast<QSlider*>(w) ||
      qobject_cast<QProgressBar*>(w)) {
    grid->setAlignment(w, Qt::Alignment());  // fill the cell
  }
  if (qobject_cast<QGroupBox*>(w)) grid->setAlignment(w, Qt::AlignTop);
  c.col += span - 1;
  c.width = std::max(c.width, c.col + 1);
  c.maxRow = std::max(c.maxRow, c.row);
  if (s.flags & kHidden) w->setVisible(false);
}

void Builder::Page(TTabSheet*& member, QTabWidget* pages, const char* name, const char* caption) {
  Make(member, pages, ControlRow{name, caption, 0, 0, 0, 0, 0});
}

void Builder::Finish() {
  for (auto it = cursors_.begin(); it != cursors_.end(); ++it) {
    auto* grid = qobject_cast<QGridLayout*>(it.key()->layout());
    if (!grid) continue;
    grid->setRowStretch(it->maxRow + 1, 1);
    grid->setColumnStretch(it->base + it->width, 1);
  }
  cursors_.clear();
}

}  // namespace vt::frame
