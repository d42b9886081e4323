// Answers the module's dialogs when no user is there (scripted sessions and
// tests): each dialog takes the next queued answer, a button word ("OK",
// "Yes", ...) or a path, and is reported as "dialog: [caption] text -> answer".
#pragma once

#include <QObject>
#include <QStringList>

#include <deque>
#include <functional>

namespace vt::ui {

class DialogBroker : public QObject {
  Q_OBJECT
 public:
  // Registers itself on the application under Dialogs::kBrokerName, where the
  // dialog service finds it, in this binary or in a loaded plug-in alike.
  DialogBroker();
  ~DialogBroker() override;

  void Queue(const QString& answer) { answers_.push_back(answer); }
  int Pending() const { return int(answers_.size()); }
  // What went wrong since the last call: dialogs without an answer, answers
  // that fit none of the buttons offered. Clears the list.
  QStringList TakeProblems();

  // Called for every dialog with its caption, its text (the filter of a file
  // dialog) and the answer taken; prints the report line by default.
  std::function<void(const QString& caption, const QString& text, const QString& answer)> OnDialog;
  static QString ReportLine(const QString& caption, const QString& text, const QString& answer);

  // The service's question: kind is "message:OK,Cancel" (the buttons offered),
  // "open:FILTER" or "save:FILTER". Returns a button word or a path; "Cancel"
  // when there is no fitting answer.
  Q_INVOKABLE QString answer(const QString& kind, const QString& caption, const QString& text);

 private:
  std::deque<QString> answers_;
  QStringList problems_;
};

}  // namespace vt::ui
