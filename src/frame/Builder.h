// Builds the frame's and the tool windows' controls from their tables.
//
// Each tab lists its controls once, in a table file (tabs/*.def) of rows
//   X(Name, Class, Parent, "Caption", Min, Max, Start, LargeStep, Flags)
// The same rows declare the members of TFrame1 and, here, create the widgets:
// object name = Name, placed in Parent (a page or group box listed earlier).
//
// Placement: a container stacks its children in rows; kSameRow puts a control
// to the right of the previous one, kNewColumn starts a new column of rows.
// Start is the position of a scroll or track bar, the checked state of a
// check box or radio button (0/1), the item index of a combo box (its Caption
// holds the items separated by "|").
#pragma once

#include <QHash>
#include <QString>

#include "frame/Controls.h"

class QTabWidget;

namespace vt::frame {

enum ControlFlags : unsigned {
  kHidden = 1u << 0,     // hidden at design time
  kDisabled = 1u << 1,   // disabled at design time (read-only displays)
  kSameRow = 1u << 2,    // to the right of the previous control
  kNewColumn = 1u << 3,  // starts a new column in its container
  kSpan2 = 1u << 4,      // takes two cells of its row
  kWide = 1u << 5,       // stretches over the rest of its row
};

struct ControlSpec {
  const char* name;
  const char* caption;
  int min, max, start, largeStep;
  unsigned flags;
};

using TPageControl = QTabWidget;
// A page of a page control; its caption becomes the tab's text.
using TTabSheet = QWidget;

class Builder {
 public:
  template <class T>
  void Make(T*& member, QWidget* parent, const ControlSpec& s) {
    member = new T;
    Configure(member, s);
    Place(member, parent, s);
  }
  // Closes every container's grid with stretch so controls keep their size.
  void Finish();

 private:
  void Configure(QWidget* w, const ControlSpec& s);  // common part
  void Configure(QGroupBox* w, const ControlSpec& s);
  void Configure(QLabel* w, const ControlSpec& s);
  void Configure(QPushButton* w, const ControlSpec& s);
  void Configure(QCheckBox* w, const ControlSpec& s);
  void Configure(QRadioButton* w, const ControlSpec& s);
  void Configure(QScrollBar* w, const ControlSpec& s);
  void Configure(QSlider* w, const ControlSpec& s);
  void Configure(QComboBox* w, const ControlSpec& s);
  void Configure(QLineEdit* w, const ControlSpec& s);
  void Configure(QProgressBar* w, const ControlSpec& s);
  void Configure(QPlainTextEdit* w, const ControlSpec& s);
  void Configure(QTabWidget* w, const ControlSpec& s);
  void Configure(TValueListEditor* w, const ControlSpec& s);
  void Configure(TPaintBox* w, const ControlSpec& s);
  void Place(QWidget* w, QWidget* parent, const ControlSpec& s);

  struct Cursor {
    int row = -1, col = 0, base = 0, width = 1, maxRow = 0;
  };
  QHash<QWidget*, Cursor> cursors_;
};

}  // namespace vt::frame
