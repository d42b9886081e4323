#include "host/LinkMonitorWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include "common/SafeFile.h"
#include "common/gui/Dialogs.h"

namespace vt::host {

namespace {
enum Column { kTime, kDirection, kEvent, kRoundTrip, kText, kColumns };
}

int LinkEventModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(store_->Size());
}

int LinkEventModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumns;
}

QVariant LinkEventModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || size_t(index.row()) >= store_->Size())
    return {};
  const LinkEvent& e = store_->At(size_t(index.row()));
  switch (index.column()) {
    case kTime: return QString::fromStdString(LinkEventTime(e.TimeUs).substr(11));
    case kDirection: return QString::fromLatin1(LinkEventDirection(e.Kind));
    case kEvent:
      if (e.Kind == LinkEventKind::Line)
        return QString("line %1 ms").arg(e.TimeoutMs);
      return QString::fromLatin1(LinkEventName(e.Kind));
    case kRoundTrip:
      return e.RoundTripUs < 0 ? QString()
                               : QString::number(double(e.RoundTripUs) / 1000.0, 'f', 3);
    case kText: return QString::fromStdString(VisibleLinkText(e.Text));
    default: return {};
  }
}

QVariant LinkEventModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const char* const kTitles[kColumns] = {"Time", "Dir", "Event", "Round trip (ms)", "Text"};
  return section >= 0 && section < kColumns ? QString(kTitles[section]) : QVariant();
}

void LinkEventModel::Drain() {
  std::vector<LinkEvent> fresh = store_->TakeNew();
  if (fresh.empty()) return;
  if (size_t drop = store_->Overflow(fresh.size())) {
    beginRemoveRows({}, 0, int(drop) - 1);
    store_->DropOldest(drop);
    endRemoveRows();
  }
  // More than the store keeps came at once: only the newest are kept.
  if (fresh.size() > store_->Capacity())
    fresh.erase(fresh.begin(), fresh.end() - long(store_->Capacity()));
  const int at = int(store_->Size());
  beginInsertRows({}, at, at + int(fresh.size()) - 1);
  store_->Append(std::move(fresh));
  endInsertRows();
}

void LinkEventModel::Clear() {
  beginResetModel();
  store_->Clear();
  endResetModel();
}

LinkMonitorWindow::LinkMonitorWindow(QWidget* parent) : QDockWidget("Link monitor", parent) {
  setObjectName("LinkMonitor");
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 4, 4, 4);
  auto* bar = new QHBoxLayout;
  filter_ = new QLineEdit;
  filter_->setObjectName("LinkMonitorFilter");
  filter_->setPlaceholderText("Filter");
  filter_->setClearButtonEnabled(true);
  pause_ = new QPushButton("Pause");
  pause_->setObjectName("LinkMonitorPause");
  pause_->setCheckable(true);
  auto* clear = new QPushButton("Clear");
  clear->setObjectName("LinkMonitorClear");
  auto* save = new QPushButton("Save...");
  save->setObjectName("LinkMonitorSave");
  bar->addWidget(filter_, 1);
  bar->addWidget(pause_);
  bar->addWidget(clear);
  bar->addWidget(save);
  layout->addLayout(bar);

  model_ = new LinkEventModel(&store_, this);
  proxy_ = new QSortFilterProxyModel(this);
  proxy_->setSourceModel(model_);
  proxy_->setFilterKeyColumn(-1);
  proxy_->setFilterCaseSensitivity(Qt::CaseInsensitive);
  table_ = new QTableView;
  table_->setObjectName("LinkMonitorTable");
  table_->setModel(proxy_);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setColumnWidth(kTime, 120);
  table_->setColumnWidth(kDirection, 40);
  table_->setColumnWidth(kEvent, 110);
  table_->setColumnWidth(kRoundTrip, 110);
  layout->addWidget(table_, 1);
  setWidget(body);

  connect(filter_, &QLineEdit::textChanged, proxy_, &QSortFilterProxyModel::setFilterFixedString);
  connect(pause_, &QPushButton::toggled, this, &LinkMonitorWindow::SetPaused);
  connect(clear, &QPushButton::clicked, this, &LinkMonitorWindow::Clear);
  connect(save, &QPushButton::clicked, this, &LinkMonitorWindow::AskSave);
  connect(&drain_, &QTimer::timeout, this, [this] {
    const bool atEnd =
        table_->verticalScrollBar()->value() == table_->verticalScrollBar()->maximum();
    model_->Drain();
    if (atEnd) table_->scrollToBottom();
  });
  drain_.start(kDrainMs);
}

void LinkMonitorWindow::SetPaused(bool paused) {
  if (pause_->isChecked() != paused) pause_->setChecked(paused);
  if (paused) drain_.stop();
  else drain_.start(kDrainMs);
}

bool LinkMonitorWindow::SaveTo(const QString& path, QString* error) {
  std::string text;
  for (int row = 0; row < proxy_->rowCount(); ++row) {
    int source = proxy_->mapToSource(proxy_->index(row, 0)).row();
    text += FormatLinkEvent(store_.At(size_t(source))) + "\n";
  }
  std::string why;
  if (SaveFile(path.toStdString(), text, &why)) return true;
  if (error) *error = QString("Cannot write %1: %2").arg(path, QString::fromStdString(why));
  return false;
}

// Through the module's dialog service, so that scripts and tests answer it.
void LinkMonitorWindow::AskSave() {
  auto& dialogs = ui::Dialogs::Instance();
  QString path = dialogs.SaveFile("Save the link events", "Link logs (*.log *.txt);;All files (*)");
  if (path.isEmpty()) return;
  QString error;
  if (!SaveTo(path, &error)) dialogs.Warning(error);
}

}  // namespace vt::host
