#include "common/gui/Dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace vt::ui {

namespace {
struct NamedButton {
  Button button;
  const char* name;
  QMessageBox::StandardButton qt;
};
constexpr NamedButton kButtons[] = {
    {Ok, "OK", QMessageBox::Ok},          {Cancel, "Cancel", QMessageBox::Cancel},
    {Yes, "Yes", QMessageBox::Yes},       {No, "No", QMessageBox::No},
    {Abort, "Abort", QMessageBox::Abort}, {Retry, "Retry", QMessageBox::Retry},
    {Ignore, "Ignore", QMessageBox::Ignore},
};
}  // namespace

QString ButtonName(Button b) {
  for (const auto& nb : kButtons)
    if (nb.button == b) return nb.name;
  return {};
}

Button ButtonFromName(const QString& word) {
  for (const auto& nb : kButtons)
    if (word.compare(nb.name, Qt::CaseInsensitive) == 0) return nb.button;
  return NoButton;
}

namespace {
QObject* Broker() {
  if (!QCoreApplication::instance()) return nullptr;
  return QCoreApplication::instance()->findChild<QObject*>(Dialogs::kBrokerName,
                                                           Qt::FindDirectChildrenOnly);
}

QString AskBroker(QObject* broker, const QString& kind, const QString& caption,
                  const QString& text) {
  QString answer;
  QMetaObject::invokeMethod(broker, "answer", Qt::DirectConnection, Q_RETURN_ARG(QString, answer),
                            Q_ARG(QString, kind), Q_ARG(QString, caption), Q_ARG(QString, text));
  return answer;
}
}  // namespace

Dialogs& Dialogs::Instance() {
  static Dialogs d;
  return d;
}

int Dialogs::TakeUnanswered() {
  int n = unanswered_;
  unanswered_ = 0;
  return n;
}

QString Dialogs::NextAnswer(bool& had) {
  had = !answers_.empty();
  if (!had) {
    ++unanswered_;
    return {};
  }
  QString a = answers_.front();
  answers_.pop_front();
  return a;
}

Button Dialogs::Message(const QString& caption, const QString& text, unsigned buttons, Icon icon) {
  if (buttons == 0) buttons = Ok;
  Button taken = NoButton;
  if (QObject* broker = Broker()) {
    QStringList offered;
    for (const auto& nb : kButtons)
      if (buttons & nb.button) offered << nb.name;
    taken = ButtonFromName(AskBroker(broker, "message:" + offered.join(','), caption, text));
    if (taken == NoButton || !(buttons & taken))
      taken = (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
    return taken;
  }
  if (scripted_) {
    bool had = false;
    QString word = NextAnswer(had);
    taken = had ? ButtonFromName(word) : NoButton;
    if (taken == NoButton || !(buttons & taken)) {
      if (had) ++unanswered_;  // an answer that fits none of the buttons
      taken = (buttons & Cancel) ? Cancel : (buttons & No) ? No : (buttons & Ok) ? Ok : Cancel;
      if (listener_) listener_(caption, text, had ? "(no such button: " + word + ")" : "(no answer queued)");
      return taken;
    }
  } else {
    QMessageBox box(parent_);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
      case Icon::Information: box.setIcon(QMessageBox::Information); break;
      case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
      case Icon::Error: box.setIcon(QMessageBox::Critical); break;
      case Icon::Question: box.setIcon(QMessageBox::Question); break;
      case Icon::None: break;
    }
    QMessageBox::StandardButtons sb;
    for (const auto& nb : kButtons)
      if (buttons & nb.button) sb |= nb.qt;
    box.setStandardButtons(sb);
    int r = box.exec();
    for (const auto& nb : kButtons)
      if (r == nb.qt) taken = nb.button;
    if (taken == NoButton) taken = (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
  }
  if (listener_) listener_(caption, text, ButtonName(taken));
  return taken;
}

QString Dialogs::FileDialog(bool save, const QString& caption, const QString& filter,
                            const QString& dir) {
  QString path;
  if (QObject* broker = Broker()) {
    path = AskBroker(broker, QString(save ? "save:" : "open:") + filter, caption, dir);
    return ButtonFromName(path) == Cancel ? QString() : path;
  }
  if (scripted_) {
    bool had = false;
    path = NextAnswer(had);
    if (had && ButtonFromName(path) == Cancel) path.clear();
    if (listener_) listener_(caption, filter, had ? (path.isEmpty() ? "Cancel" : path) : "(no answer queued)");
    return path;
  }
  // The module asks its own overwrite question where it wants one.
  path = save ? QFileDialog::getSaveFileName(parent_, caption, dir, filter, nullptr,
                                             QFileDialog::DontConfirmOverwrite)
              : QFileDialog::getOpenFileName(parent_, caption, dir, filter);
  if (listener_) listener_(caption, filter, path.isEmpty() ? "Cancel" : path);
  return path;
}

QString Dialogs::OpenFile(const QString& caption, const QString& filter, const QString& dir) {
  return FileDialog(false, caption, filter, dir);
}

QString Dialogs::SaveFile(const QString& caption, const QString& filter, const QString& dir) {
  return FileDialog(true, caption, filter, dir);
}

}  // namespace vt::ui
