// The "Link monitor" dock: every event of the link in a table (time,
// direction, event, round trip, text), with a filter, pause, clear and save.
// The link appends to the window's store; the window takes the new events on
// a timer and keeps the newest LinkEventStore::kDefaultCapacity of them.
#pragma once

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QTimer>

#include "handset/LinkMonitor.h"

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace vt::host {

class LinkEventModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit LinkEventModel(LinkEventStore* store, QObject* parent = nullptr)
      : QAbstractTableModel(parent), store_(store) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // Takes the store's new events in, dropping the oldest beyond its capacity.
  void Drain();
  void Clear();

 private:
  LinkEventStore* store_;
};

class LinkMonitorWindow : public QDockWidget {
  Q_OBJECT
 public:
  static constexpr int kDrainMs = 200;
  explicit LinkMonitorWindow(QWidget* parent = nullptr);

  // What the link monitor attaches.
  LinkEventObserver* Observer() { return &store_; }
  // Takes the new events now (the timer does it every kDrainMs unless paused).
  void Drain() { model_->Drain(); }
  void SetPaused(bool paused);
  void Clear() { model_->Clear(); }
  // Writes the events shown (the filter applies) as the link log does;
  // false with `error` set when the file cannot be written.
  bool SaveTo(const QString& path, QString* error);
  QTableView* Table() const { return table_; }
  QLineEdit* Filter() const { return filter_; }

 private:
  void AskSave();
  LinkEventStore store_;
  LinkEventModel* model_;
  QSortFilterProxyModel* proxy_;
  QTableView* table_;
  QLineEdit* filter_;
  QPushButton* pause_;
  QTimer drain_;
};

}  // namespace vt::host
