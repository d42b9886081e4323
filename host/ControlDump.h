// Every control of the frame and of its tool windows, as JSON objects sorted
// by window and name (see the README's script section for the fields).
#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QString>

class QWidget;

namespace vt::host {

// The designer's class name of a widget ("TCheckBox", "TScrollBar", ...).
QString DesignerClass(const QWidget* w);
QJsonArray DumpControls(QWidget* frame);
// The dump as a JSON array with one control per line, so that two dumps diff well.
QByteArray ControlsJson(const QJsonArray& controls);

// The control named NAME on the frame, or "FormN.NAME" inside a tool window
// (or "FormN" for the window itself); null when there is none.
QWidget* FindControl(QWidget* frame, const QString& name);

}  // namespace vt::host
