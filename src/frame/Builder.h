// Creates the controls of the frame and the tool windows from their rows
// (see Rows.h): object name = Name, placed in Parent (a page or group box
// created earlier).
//
// Placement: a container stacks its children in rows; kSameRow puts a control
// to the right of the previous one, kNewColumn starts a new column of rows.
#pragma once

#include <QHash>
#include <QString>

#include "frame/Controls.h"

class QTabWidget;

namespace vt::frame {

// One row of a control table. Start is the position of a scroll or track
// bar, the checked state of a check box or radio button (0/1), the item
// index of a combo box (whose caption holds the items separated by "|").
struct ControlRow {
  const char* name;
  const char* caption;
  int min, max, start, largeStep;
  unsigned flags;
};

class Builder {
 public:
  template <class T>
  void Make(T*& member, QWidget* parent, const ControlRow& s) {
    member = new T;
    Configure(member, s);
    Place(member, parent, s);
  }
  // A page of a page control, captioned with its tab's text.
  void Page(TTabSheet*& member, QTabWidget* pages, const char* name, const char* caption);
  // Closes every container's grid with stretch so controls keep their size.
  void Finish();
 private:
  void Configure(QWidget* w, const ControlRow& s);  // common part
  void Configure(QGroupBox* w, const ControlRow& s);
  void Configure(QLabel* w, const ControlRow& s);
  void Configure(QPushButton* w, const ControlRow& s);
  void Configure(QCheckBox* w, const ControlRow& s);
  void Configure(QRadioButton* w, const ControlRow& s);
  void Configure(QScrollBar* w, const ControlRow& s);
  void Configure(QSlider* w, const ControlRow& s);
  void Configure(QComboBox* w, const ControlRow& s);
  void Configure(QLineEdit* w, const ControlRow& s);
  void Configure(QProgressBar* w, const ControlRow& s);
  void Configure(QPlainTextEdit* w, const ControlRow& s);
  void Configure(QTabWidget* w, const ControlRow& s);
  void Configure(TValueListEditor* w, const ControlRow& s);
  void Configure(TPaintBox* w, const ControlRow& s);
  void Place(QWidget* w, QWidget* parent, const ControlRow& s);

  struct Cursor {
    int row = -1, col = 0, base = 0, width = 1, maxRow = 0;
  };
  QHash<QWidget*, Cursor> cursors_;
};

}  // namespace vt::frame
