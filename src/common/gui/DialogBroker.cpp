#include "common/gui/DialogBroker.h"

#include <QCoreApplication>

#include <cstdio>

#include "common/gui/Dialogs.h"

namespace vt::ui {

namespace {
QString OneLine(QString text) {
  return text.replace("\r\n", "\\n").replace('\n', "\\n").replace('\r', "\\n");
}
}  // namespace

DialogBroker::DialogBroker() : QObject(QCoreApplication::instance()) {
  setObjectName(Dialogs::kBrokerName);
  OnDialog = [](const QString& caption, const QString& text, const QString& answer) {
    std::fprintf(stdout, "%s\n", ReportLine(caption, text, answer).toLocal8Bit().constData());
    std::fflush(stdout);
  };
}

DialogBroker::~DialogBroker() = default;

QString DialogBroker::ReportLine(const QString& caption, const QString& text,
                                 const QString& answer) {
  return QString("dialog: [%1] %2 -> %3").arg(caption, OneLine(text), answer);
}

QStringList DialogBroker::TakeProblems() {
  QStringList p = problems_;
  problems_.clear();
  return p;
}

QString DialogBroker::answer(const QString& kind, const QString& caption, const QString& text) {
  QString taken = "Cancel";
  if (answers_.empty()) {
    problems_ << QString("dialog \"%1\" (\"%2\") has no queued answer").arg(caption, OneLine(text));
  } else {
    const QString queued = answers_.front();
    answers_.pop_front();
    const QStringList offered =
        kind.startsWith("message:") ? kind.mid(8).split(',') : QStringList();
    if (offered.isEmpty() || offered.contains(queued, Qt::CaseInsensitive))
      taken = queued;
    else
      problems_ << QString("dialog \"%1\" offers %2, not \"%3\"")
                       .arg(caption, offered.join('/'), queued);
  }
  if (OnDialog) OnDialog(caption, text, taken);
  return taken;
}

}  // namespace vt::ui
