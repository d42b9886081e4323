// The one place where the module asks the user something: message boxes and
// file dialogs. Interactively it shows real Qt dialogs; tests and scripted
// sessions queue answers instead, and every dialog is reported to a listener.
#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <string>

class QWidget;

namespace vt::ui {

enum class Icon { None, Information, Warning, Error, Question };

// Buttons a message box offers; combine with |.
enum Button : unsigned {
  NoButton = 0,
  Ok = 1u << 0,
  Cancel = 1u << 1,
  Yes = 1u << 2,
  No = 1u << 3,
  Abort = 1u << 4,
  Retry = 1u << 5,
  Ignore = 1u << 6,
};

// Text of a button ("OK", "Cancel", "Yes", ...) and back; unknown words give NoButton.
QString ButtonName(Button b);
Button ButtonFromName(const QString& word);

class Dialogs {
 public:
  static Dialogs& Instance();

  // A modal message box; returns the button taken. Buttons default to Ok.
  Button Message(const QString& caption, const QString& text, unsigned buttons = Ok,
                 Icon icon = Icon::None);
  // Shorthands with the captions the module uses.
  void Error(const QString& text) { Message("Error", text, Ok, Icon::Error); }
  void Warning(const QString& text) { Message("Warning", text, Ok, Icon::Warning); }
  void Information(const QString& text) { Message("Information", text, Ok, Icon::Information); }

  // File dialogs; an empty result means cancelled. `filter` is Qt syntax,
  // e.g. "Text files (*.txt);;All files (*)".
  QString OpenFile(const QString& caption, const QString& filter, const QString& dir = {});
  QString SaveFile(const QString& caption, const QString& filter, const QString& dir = {});

  // A host that scripts the module registers a broker: a QObject child of the
  // application named kBrokerName with the invokable method
  //   QString answer(QString kind, QString caption, QString text)
  // where kind is "message:OK,Cancel" (the buttons offered), "open:FILTER" or
  // "save:FILTER". It answers every dialog instead of the user (a button word
  // or a path; an empty or unfit answer counts as Cancel). It reaches the
  // module across the plug-in boundary without shared symbols.
  static constexpr const char* kBrokerName = "VoxTunerDialogBroker";

  // Scripted answers: when scripted, dialogs are never shown; each takes the
  // next queued answer (a button word or a path). A dialog without an answer
  // takes Cancel (an empty path) and is recorded as unanswered.
  void SetScripted(bool on) { scripted_ = on; }
  bool Scripted() const { return scripted_; }
  void QueueAnswer(const QString& answer) { answers_.push_back(answer); }
  void ClearAnswers() { answers_.clear(); }
  int PendingAnswers() const { return int(answers_.size()); }
  // Dialogs that found no queued answer since the last call; clears the count.
  int TakeUnanswered();

  // Called for each dialog with caption, text and the answer taken.
  using Listener = std::function<void(const QString& caption, const QString& text,
                                      const QString& answer)>;
  void SetListener(Listener l) { listener_ = std::move(l); }

  // Parent of the dialogs shown (the frame, normally).
  void SetParent(QWidget* w) { parent_ = w; }

 private:
  QString NextAnswer(bool& had);
  QString FileDialog(bool save, const QString& caption, const QString& filter, const QString& dir);
  bool scripted_ = false;
  std::deque<QString> answers_;
  int unanswered_ = 0;
  Listener listener_;
  QWidget* parent_ = nullptr;
};

// 8-bit texts of the protocol and files, at the Qt boundary.
inline QString Q(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }
inline std::string S(const QString& s) { return s.toLatin1().toStdString(); }

}  // namespace vt::ui
