// Every control of the frame and of its tool windows, as JSON: object name,
// class, window, caption or text, minimum, maximum, value or checked state,
// visible, enabled.
#pragma once

#include <QJsonArray>
#include <QString>

class QWidget;

namespace vt::host {

// The designer's class name of a widget ("TCheckBox", "TScrollBar", ...).
QString DesignerClass(const QWidget* w);
QJsonArray DumpControls(QWidget* frame);

// The control named NAME on the frame, or "FormN.NAME" inside a tool window
// (or "FormN" for the window itself); null when there is none.
QWidget* FindControl(QWidget* frame, const QString& name);

}  // namespace vt::host
