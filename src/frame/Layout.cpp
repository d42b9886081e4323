#include "frame/Layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "frame/Controls.h"

namespace vt::frame {

void PutScaleUnder(QWidget* bar, const std::vector<QLabel*>& marks) {
  QWidget* holder = bar->parentWidget();
  auto* grid = holder ? qobject_cast<QGridLayout*>(holder->layout()) : nullptr;
  if (!grid || grid->indexOf(bar) < 0) return;
  int row = 0, col = 0, rowSpan = 1, colSpan = 1;
  grid->getItemPosition(grid->indexOf(bar), &row, &col, &rowSpan, &colSpan);
  auto* box = new QWidget(holder);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  grid->removeWidget(bar);
  column->addWidget(bar);
  auto* scale = new QHBoxLayout;
  scale->setContentsMargins(0, 0, 0, 0);
  for (size_t i = 0; i < marks.size(); ++i) {
    if (i > 0) scale->addStretch(1);
    grid->removeWidget(marks[i]);
    scale->addWidget(marks[i]);
  }
  column->addLayout(scale);
  grid->addWidget(box, row, col, rowSpan, colSpan);
}

void MakeFrameless(QGroupBox* box) {
  box->setFlat(true);
  box->setStyleSheet("QGroupBox#" + box->objectName() + " { border: 0; margin: 0; padding: 0; }");
  if (box->layout()) box->layout()->setContentsMargins(0, 0, 0, 0);
}

void FitList(TValueListEditor* list, int keyWidth, int height) {
  const int rowHeight = list->verticalHeader()->defaultSectionSize();
  list->horizontalHeader()->resizeSection(0, keyWidth);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Key column, a value column of about 75 pixels and a vertical scroll bar.
  list->setMinimumWidth(keyWidth + 75 + list->verticalScrollBar()->sizeHint().width() + 4);
  list->setMinimumHeight(height > 0 ? height
                                    : list->horizontalHeader()->sizeHint().height() +
                                          rowHeight * list->RowCount() + 4);
}

void ReserveValueWidth(QLabel* label, const char* widest) {
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(widest)) + 4);
}

}  // namespace vt::frame
