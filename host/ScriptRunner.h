// Scripted sessions: a line-based script run against the real frame.
//
//   tab NAME              select a page (object name or caption)
//   click NAME            click as a user would (buttons, check boxes, radio buttons)
//   check NAME on|off     set a check box or radio button from code
//   set NAME VALUE        scroll/track bar position, edit text, combo item text, memo text
//   row LIST KEY VALUE    set a row of a value list
//   memo N set TEXT       replace memo N (1..3); "\n" separates lines
//   memo N print          print memo N on standard output
//   answer WORD           queue the answer to the next dialog (OK, Yes, No, Cancel or a path)
//   dump FILE             every control of the frame and the tool windows as JSON,
//                         one per line (see ControlDump.h)
//   shot NAME FILE        PNG of the frame, a window or a control
//   wait MS               let the event loop run for MS milliseconds
//   waitfor NAME enabled  let the event loop run until the control is enabled
//                         (a background computation has ended); fails after 120 s
//   clipboard TEXT        put TEXT on the clipboard; "\t" is a tab, "\n" a line break
//   linkstate             print the host's link state ("link: ...")
//   clipboard             print the clipboard's text
//   # ...                 comment
// A control is named by its object name on the frame, or FormN.NAME inside a
// tool window. Lines run from the event loop, so a modal window opened by one
// line is driven by the next ones.
#pragma once

#include <QObject>
#include <QStringList>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class QWidget;

namespace vt::ui {
class DialogBroker;
}

namespace vt::host {

class ScriptRunner : public QObject {
  Q_OBJECT
 public:
  ScriptRunner(QWidget* frame, ui::DialogBroker* broker, QObject* parent = nullptr);

  // Reads the script; false with `error` set when the file cannot be read.
  bool Load(const QString& path, QString* error);
  void SetLines(const QStringList& lines) { lines_ = lines; }
  // Runs the lines from the event loop; `done(exitCode)` is called at the end
  // (0 after the last line, 1 after the first failing line).
  void Start(std::function<void(int)> done);

  // Runs one line at once; returns an error text, or empty on success.
  QString RunLine(const QString& line);
  QString LastError() const { return lastError_; }
  std::function<void(const QString&)> Output;  // memo print and notes
  std::function<QString()> LinkState;          // the host's link state, for "linkstate"
  // "bench ...": a command of the virtual bench; false with the reason in the
  // text, else the text is what it prints.
  std::function<bool(const QString&, QString&)> Bench;

 private:
  void Step();
  void Schedule(int ms);
  void Finish(int code);
  QString Tab(const QString& name);
  QString Click(const QStringList& a);
  QString Check(const QStringList& a);
  QString Set(const QString& name, const QString& value);
  QString Row(const QStringList& a, const QString& value);
  QString Memo(const QStringList& a, const QString& text);
  QString Dump(const QString& file);
  QString Shot(const QString& name, const QString& file);
  // "waitfor": empty when the control is enabled, else why not yet; `done`
  // tells whether to go on (ready, or failed).
  QString WaitFor(const QStringList& a, bool& done);

  QWidget* frame_;
  ui::DialogBroker* broker_;
  QStringList lines_;
  int next_ = 0;
  int running_ = 0;       // lines in progress (more than one while a modal window is open)
  bool scheduled_ = false;
  // The next step's timer, owned here: a pending one-off timer of Qt's would
  // outlive the session at exit.
  QTimer stepTimer_;
  bool finished_ = false;
  qint64 waitingSince_ = -1;  // ms on waitClock_ when the current "waitfor" began
  QElapsedTimer waitClock_;
  QString lastError_;
  std::function<void(int)> done_;
};

}  // namespace vt::host
