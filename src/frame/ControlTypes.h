// The designer's control class names, declared without pulling in Qt's
// widget headers: a tab's control struct holds only pointers, so its header
// stays cheap to include.
#pragma once

class QWidget;
class QTabWidget;
class QGroupBox;
class QLabel;
class QPushButton;
class QCheckBox;
class QRadioButton;
class QLineEdit;
class QComboBox;
class QPlainTextEdit;
class QProgressBar;

namespace vt::frame {

using TTabSheet = QWidget;  // a page of a page control; its caption is the tab's text
using TPageControl = QTabWidget;
using TGroupBox = QGroupBox;
using TLabel = QLabel;
using TButton = QPushButton;
using TCheckBox = QCheckBox;
using TRadioButton = QRadioButton;
using TEdit = QLineEdit;
using TComboBox = QComboBox;
using TMemo = QPlainTextEdit;
using TProgressBar = QProgressBar;
class TScrollBar;
class TTrackBar;
class TValueListEditor;
class TPaintBox;

// Placement and design-time state of a control (see Rows.h).
enum ControlFlags : unsigned {
  kHidden = 1u << 0,     // hidden at design time
  kDisabled = 1u << 1,   // disabled at design time (read-only displays)
  kSameRow = 1u << 2,    // to the right of the previous control
  kNewColumn = 1u << 3,  // starts a new column in its container
  kSpan2 = 1u << 4,      // takes two cells of its row
  kWide = 1u << 5,       // stretches over the rest of its row
};

}  // namespace vt::frame
