// The control classes the frame and the tool windows are built from. The
// designer's class names map onto Qt widgets; the value-list editor and the
// paint box are our own small widgets.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTableWidget>
#include <QTimer>

#include "frame/ControlTypes.h"

#include <functional>
#include <string>
#include <vector>

namespace vt::frame {

// A horizontal scroll bar (position, minimum, maximum, large step).
class TScrollBar : public QScrollBar {
  Q_OBJECT
 public:
  explicit TScrollBar(QWidget* parent = nullptr);
  QSize sizeHint() const override;
};

// A track bar: a horizontal slider with tick marks.
class TTrackBar : public QSlider {
  Q_OBJECT
 public:
  explicit TTrackBar(QWidget* parent = nullptr);
};

// Two-column key/value grid (column titles "Coeff" and "Value"). Rows are
// numbered from 1, as the title row is row 0.
class TValueListEditor : public QTableWidget {
  Q_OBJECT
 public:
  explicit TValueListEditor(QWidget* parent = nullptr);

  // Replaces all rows with "Key=Value" lines.
  void SetStrings(const std::vector<std::string>& lines);
  std::vector<std::string> Strings() const;

  int RowCount() const { return rowCount(); }
  std::string Key(int row) const;
  std::string Value(int row) const;
  void SetValue(int row, const std::string& value);
  // Row of a key (first match, exact), or 0 when there is none.
  int FindRow(const std::string& key) const;
  // The value of a key; empty when the key is missing.
  std::string Values(const std::string& key) const;
  // Sets the value of an existing key; returns false when the key is missing.
  bool SetValues(const std::string& key, const std::string& value);
};

// A plain drawing surface; the owner paints it through OnPaint.
class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  explicit TPaintBox(QWidget* parent = nullptr);
  std::function<void(QPainter&)> OnPaint;
  std::function<void(int x, int y)> OnMouseMove;
  std::function<void(int x, int y, Qt::MouseButton)> OnMouseDown;
  std::function<void(int x, int y)> OnMouseUp;

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
};

}  // namespace vt::frame
