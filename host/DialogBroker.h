// Answers the module's dialogs during a scripted session: each takes the next
// queued answer; every dialog is reported on standard output.
#pragma once

#include <QObject>
#include <QStringList>

#include <deque>
#include <functional>

namespace vt::host {

class DialogBroker : public QObject {
  Q_OBJECT
 public:
  // Registers itself as a child of the application under the broker name.
  DialogBroker();
  ~DialogBroker() override;

  void Queue(const QString& answer) { answers_.push_back(answer); }
  int Pending() const { return int(answers_.size()); }
  // The problems since the last call (dialogs without a fitting answer).
  QStringList TakeProblems();
  // Where the report line of each dialog goes (standard output by default).
  std::function<void(const QString&)> Output;

  Q_INVOKABLE QString answer(const QString& kind, const QString& caption, const QString& text);

 private:
  std::deque<QString> answers_;
  QStringList problems_;
};

}  // namespace vt::host
