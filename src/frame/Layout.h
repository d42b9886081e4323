// Layout touches that the control rows cannot express: scale marks under a
// bar, frameless columns, value lists sized to their rows, labels that keep
// their width while their text changes.
#pragma once

#include <vector>

#include "frame/ControlTypes.h"

class QLabel;
class QGroupBox;
class QWidget;

namespace vt::frame {

// Moves the scale marks of a bar (left end first) from their own cells to a
// line under the bar, spread over its width.
void PutScaleUnder(QWidget* bar, const std::vector<QLabel*>& marks);
// Turns an untitled group box into a frameless container, so that a column
// of controls stacks independently of the rows of its neighbours.
void MakeFrameless(QGroupBox* box);
// Sizes a value list: a key column of `keyWidth` pixels, room for a value,
// no horizontal scrolling; `height` 0 shows every row.
void FitList(TValueListEditor* list, int keyWidth, int height);
// Gives a value label the width of its widest text, so that the bar beside it
// keeps its place while the text changes.
void ReserveValueWidth(QLabel* label, const char* widest);

}  // namespace vt::frame
