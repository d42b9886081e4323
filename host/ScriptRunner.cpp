#include "host/ScriptRunner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>

#include "host/ControlDump.h"
#include "common/gui/DialogBroker.h"

namespace vt::host {

namespace {
// Splits off the first `count` blank-separated words; the rest of the line
// (after one blank) is returned as `rest`.
QStringList Words(const QString& line, int count, QString* rest) {
  QStringList out;
  int pos = 0;
  const int n = int(line.size());
  while (int(out.size()) < count && pos < n) {
    while (pos < n && line[pos].isSpace()) ++pos;
    int start = pos;
    while (pos < n && !line[pos].isSpace()) ++pos;
    if (pos > start) out << line.mid(start, pos - start);
  }
  if (rest) *rest = pos < n ? line.mid(pos + 1) : QString();
  return out;
}
}  // namespace

ScriptRunner::ScriptRunner(QWidget* frame, ui::DialogBroker* broker, QObject* parent)
    : QObject(parent), frame_(frame), broker_(broker) {
  stepTimer_.setSingleShot(true);
  connect(&stepTimer_, &QTimer::timeout, this, [this] {
    scheduled_ = false;
    Step();
  });
  Output = [](const QString& line) {
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
  };
}

bool ScriptRunner::Load(const QString& path, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
    if (error) *error = QString("cannot read the script %1: %2").arg(path, f.errorString());
    return false;
  }
  lines_ = QString::fromUtf8(f.readAll()).split('\n');
  return true;
}

void ScriptRunner::Start(std::function<void(int)> done) {
  done_ = std::move(done);
  next_ = 0;
  finished_ = false;
  Schedule(0);
}

void ScriptRunner::Schedule(int ms) {
  if (scheduled_ || finished_) return;
  scheduled_ = true;
  stepTimer_.start(ms);
}

void ScriptRunner::Step() {
  if (finished_) return;
  // A line still in progress holds the next one back, unless it waits on a
  // modal window that the next lines are meant to drive.
  if (running_ > 0 && !QApplication::activeModalWidget()) {
    Schedule(20);
    return;
  }
  if (next_ >= int(lines_.size())) {
    if (running_ == 0) {
      Finish(0);
      return;
    }
    // The script ended with a modal window still open: close it as the user
    // would, so that the line that opened it returns and the session ends.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      if (Output) Output(QString("closing %1, left open at the end of the script").arg(modal->objectName()));
      modal->close();
    }
    Schedule(20);
    return;
  }
  const int number = next_ + 1;
  const QString line = lines_[next_++].trimmed();
  QString rest;
  QStringList w = Words(line, 2, &rest);
  if (!w.isEmpty() && w[0] == "waitfor") {
    // Checked from here, between events, so that no other line runs meanwhile.
    bool done = false;
    const QString err = WaitFor(Words(line, 3, nullptr).mid(1), done);
    if (!done) {
      --next_;
      Schedule(20);
      return;
    }
    waitingSince_ = -1;
    if (!err.isEmpty()) {
      lastError_ = QString("script line %1: \"%2\": %3").arg(number).arg(line, err);
      Finish(1);
      return;
    }
    Schedule(0);
    return;
  }
  if (!w.isEmpty() && w[0] == "wait") {
    bool ok = false;
    int ms = w.value(1).toInt(&ok);
    if (!ok || ms < 0) {
      lastError_ = QString("script line %1: \"%2\": wait takes milliseconds").arg(number).arg(line);
      Finish(1);
      return;
    }
    Schedule(ms);
    return;
  }
  ++running_;
  Schedule(20);  // keeps stepping if this line ends up waiting on a modal window
  QString err = RunLine(line);
  --running_;
  if (finished_) return;
  QStringList problems = broker_ ? broker_->TakeProblems() : QStringList();
  if (err.isEmpty() && !problems.isEmpty()) err = problems.join("; ");
  if (!err.isEmpty()) {
    lastError_ = QString("script line %1: \"%2\": %3").arg(number).arg(line, err);
    Finish(1);
    return;
  }
  Schedule(0);
}

void ScriptRunner::Finish(int code) {
  if (finished_) return;
  finished_ = true;
  if (done_) done_(code);
}

QString ScriptRunner::RunLine(const QString& line) {
  QString t = line.trimmed();
  if (t.isEmpty() || t.startsWith('#')) return {};
  QString rest;
  QStringList w = Words(t, 1, &rest);
  const QString verb = w[0];
  if (verb == "tab") return Tab(rest.trimmed());
  if (verb == "click") return Click(Words(rest, 1, nullptr));
  if (verb == "check") return Check(Words(rest, 2, nullptr));
  if (verb == "set") {
    QString value;
    QStringList a = Words(rest, 1, &value);
    if (a.isEmpty()) return "set needs a control and a value";
    return Set(a[0], value);
  }
  if (verb == "row") {
    QString value;
    QStringList a = Words(rest, 2, &value);
    return Row(a, value);
  }
  if (verb == "memo") {
    QString text;
    QStringList a = Words(rest, 2, &text);
    return Memo(a, text);
  }
  if (verb == "answer") {
    if (rest.trimmed().isEmpty()) return "answer needs a word or a path";
    if (broker_) broker_->Queue(rest.trimmed());
    return {};
  }
  if (verb == "dump") {
    if (rest.trimmed().isEmpty()) return "dump needs a file";
    return Dump(rest.trimmed());
  }
  if (verb == "shot") {
    QString file;
    QStringList a = Words(rest, 1, &file);
    if (a.isEmpty() || file.trimmed().isEmpty()) return "shot needs a control and a file";
    return Shot(a[0], file.trimmed());
  }
  if (verb == "waitfor") {
    bool done = false;
    QString err = WaitFor(Words(rest, 2, nullptr), done);
    return done ? err : QString();
  }
  if (verb == "clipboard") {
    if (rest.trimmed().isEmpty()) {
      if (Output) Output(QApplication::clipboard()->text());
    } else {
      QApplication::clipboard()->setText(QString(rest).replace("\\t", "\t").replace("\\n", "\n"));
    }
    return {};
  }
  if (verb == "linkstate") {
    if (Output) Output("link: " + (LinkState ? LinkState() : QString("no host")));
    return {};
  }
  if (verb == "bench") {
    if (!Bench) return "no virtual bench (voxhost runs with --audio alsa)";
    QString text;
    if (!Bench(rest.trimmed(), text)) return text;
    if (Output && !text.isEmpty()) Output(text.trimmed());
    return {};
  }
  if (verb == "wait") {
    bool ok = false;
    int ms = rest.trimmed().toInt(&ok);
    if (!ok || ms < 0) return "wait takes milliseconds";
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
    return {};
  }
  return QString("unknown command \"%1\"").arg(verb);
}

QString ScriptRunner::Tab(const QString& name) {
  if (name.isEmpty()) return "tab needs a page";
  for (QTabWidget* pages : frame_->findChildren<QTabWidget*>()) {
    for (int i = 0; i < pages->count(); ++i) {
      if (pages->widget(i)->objectName() == name || pages->tabText(i) == name) {
        pages->setCurrentIndex(i);
        return {};
      }
    }
  }
  return QString("no page \"%1\"").arg(name);
}

QString ScriptRunner::Click(const QStringList& a) {
  if (a.isEmpty()) return "click needs a control";
  auto* b = qobject_cast<QAbstractButton*>(FindControl(frame_, a[0]));
  if (!b) return QString("no button \"%1\"").arg(a[0]);
  if (!b->isEnabled()) return QString("\"%1\" is disabled").arg(a[0]);
  b->click();
  return {};
}

QString ScriptRunner::Check(const QStringList& a) {
  if (a.size() < 2 || (a[1] != "on" && a[1] != "off")) return "check needs a control and on|off";
  auto* b = qobject_cast<QAbstractButton*>(FindControl(frame_, a[0]));
  if (!b || !b->isCheckable()) return QString("no check box or radio button \"%1\"").arg(a[0]);
  b->setChecked(a[1] == "on");
  return {};
}

QString ScriptRunner::Set(const QString& name, const QString& value) {
  QWidget* w = FindControl(frame_, name);
  if (!w) return QString("no control \"%1\"").arg(name);
  if (auto* s = qobject_cast<QAbstractSlider*>(w)) {
    bool ok = false;
    int v = value.trimmed().toInt(&ok);
    if (!ok) return QString("\"%1\" is not a position").arg(value);
    if (v < s->minimum() || v > s->maximum())
      return QString("%1 is outside %2..%3").arg(v).arg(s->minimum()).arg(s->maximum());
    s->setValue(v);
    return {};
  }
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    e->setText(value);
    emit e->editingFinished();
    return {};
  }
  if (auto* c = qobject_cast<QComboBox*>(w)) {
    int i = c->findText(value);
    if (i < 0) return QString("\"%1\" has no item \"%2\"").arg(name, value);
    c->setCurrentIndex(i);
    return {};
  }
  if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
    m->setPlainText(QString(value).replace("\\n", "\n"));
    return {};
  }
  return QString("\"%1\" takes no value").arg(name);
}

QString ScriptRunner::Row(const QStringList& a, const QString& value) {
  if (a.size() < 2) return "row needs a list, a key and a value";
  auto* t = qobject_cast<QTableWidget*>(FindControl(frame_, a[0]));
  if (!t) return QString("no value list \"%1\"").arg(a[0]);
  for (int r = 0; r < t->rowCount(); ++r) {
    auto* k = t->item(r, 0);
    if (k && k->text() == a[1]) {
      auto* v = t->item(r, 1);
      if (!v) t->setItem(r, 1, v = new QTableWidgetItem);
      v->setText(value);
      return {};
    }
  }
  return QString("\"%1\" has no row \"%2\"").arg(a[0], a[1]);
}

QString ScriptRunner::Memo(const QStringList& a, const QString& text) {
  if (a.size() < 2) return "memo needs a number and set|print";
  auto* m = qobject_cast<QPlainTextEdit*>(FindControl(frame_, "Memo" + a[0]));
  if (!m) return QString("no memo %1").arg(a[0]);
  if (a[1] == "set") {
    m->setPlainText(QString(text).replace("\\n", "\n"));
    return {};
  }
  if (a[1] == "print") {
    if (Output) Output(m->toPlainText());
    return {};
  }
  return "memo takes set or print";
}

QString ScriptRunner::Dump(const QString& file) {
  QSaveFile f(file);  // all or nothing: an old dump stays whole if this one fails
  if (!f.open(QIODevice::WriteOnly) || f.write(ControlsJson(DumpControls(frame_))) < 0 ||
      !f.commit())
    return QString("cannot write %1: %2").arg(file, f.errorString());
  return {};
}

QString ScriptRunner::WaitFor(const QStringList& a, bool& done) {
  done = true;
  if (a.size() < 2 || a[1] != "enabled") return "waitfor needs a control and \"enabled\"";
  QWidget* w = FindControl(frame_, a[0]);
  if (!w) return QString("no control \"%1\"").arg(a[0]);
  if (w->isEnabled()) return {};
  if (!waitClock_.isValid()) waitClock_.start();
  if (waitingSince_ < 0) waitingSince_ = waitClock_.elapsed();
  if (waitClock_.elapsed() - waitingSince_ > 120000)
    return QString("\"%1\" still disabled after 120 s").arg(a[0]);
  done = false;
  return QString("\"%1\" is disabled").arg(a[0]);
}

QString ScriptRunner::Shot(const QString& name, const QString& file) {
  QWidget* w = FindControl(frame_, name);
  if (!w) return QString("no control \"%1\"").arg(name);
  if (!w->grab().save(file, "PNG")) return QString("cannot write %1").arg(file);
  return {};
}

}  // namespace vt::host
