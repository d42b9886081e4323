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

Button Dialogs::Message(const QString& caption, const QString& text, unsigned buttons, Icon icon) {
  if (buttons == 0) buttons = Ok;
  const Button fallback = (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
  Button taken = NoButton;
  if (QObject* broker = Broker()) {
    QStringList offered;
    for (const auto& nb : kButtons)
      if (buttons & nb.button) offered << nb.name;
    taken = ButtonFromName(AskBroker(broker, "message:" + offered.join(','), caption, text));
    return (taken == NoButton || !(buttons & taken)) ? fallback : taken;
  }
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
  const int r = box.exec();
  for (const auto& nb : kButtons)
    if (r == nb.qt) taken = nb.button;
  return taken == NoButton ? fallback : taken;
}

QString Dialogs::FileDialog(bool save, const QString& caption, const QString& filter,
                            const QString& dir) {
  if (QObject* broker = Broker()) {
    // The broker reports the filter as the dialog's text.
    QString path = AskBroker(broker, QString(save ? "save:" : "open:") + filter, caption, filter);
    return ButtonFromName(path) == Cancel ? QString() : path;
  }
  // The module asks its own overwrite question where it wants one.
  return save ? QFileDialog::getSaveFileName(parent_, caption, dir, filter, nullptr,
                                             QFileDialog::DontConfirmOverwrite)
              : QFileDialog::getOpenFileName(parent_, caption, dir, filter);
}

QString Dialogs::OpenFile(const QString& caption, const QString& filter, const QString& dir) {
  return FileDialog(false, caption, filter, dir);
}

QString Dialogs::SaveFile(const QString& caption, const QString& filter, const QString& dir) {
  return FileDialog(true, caption, filter, dir);
}

}  // namespace vt::ui
