#include "host/DialogBroker.h"

#include <QCoreApplication>

#include <cstdio>

#include "common/gui/Dialogs.h"

namespace vt::host {

DialogBroker::DialogBroker() : QObject(QCoreApplication::instance()) {
  setObjectName(vt::ui::Dialogs::kBrokerName);
  Output = [](const QString& line) {
    std::fprintf(stdout, "%s\n", line.toLocal8Bit().constData());
    std::fflush(stdout);
  };
}

DialogBroker::~DialogBroker() = default;

QStringList DialogBroker::TakeProblems() {
  QStringList p = problems_;
  problems_.clear();
  return p;
}

QString DialogBroker::answer(const QString& kind, const QString& caption, const QString& text) {
  QString shownText = text;
  shownText.replace("\r\n", "\\n").replace('\n', "\\n").replace('\r', "\\n");
  QString taken;
  if (answers_.empty()) {
    problems_ << QString("dialog \"%1\" (\"%2\") has no queued answer").arg(caption, shownText);
    taken = "Cancel";
  } else {
    taken = answers_.front();
    answers_.pop_front();
    if (kind.startsWith("message:")) {
      QStringList offered = kind.mid(8).split(',');
      bool fits = false;
      for (const QString& b : offered) fits = fits || b.compare(taken, Qt::CaseInsensitive) == 0;
      if (!fits) {
        problems_ << QString("dialog \"%1\" offers %2, not \"%3\"")
                         .arg(caption, offered.join('/'), taken);
        taken = "Cancel";
      }
    }
  }
  if (Output) Output(QString("dialog: [%1] %2 -> %3").arg(caption, shownText, taken));
  return taken;
}

}  // namespace vt::host
