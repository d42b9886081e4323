// The one place where the module asks the user something: message boxes and
// file dialogs. Interactively it shows real Qt dialogs; in tests and scripted
// sessions a dialog broker answers them.
#pragma once

#include <QString>

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

  // Without a user (scripted sessions, tests) a DialogBroker (DialogBroker.h)
  // answers instead: a QObject child of the application named kBrokerName
  // with the invokable method
  //   QString answer(QString kind, QString caption, QString text)
  // It is found by name and called by name, so a broker of the host answers
  // the plug-in's dialogs across the plug-in boundary without shared symbols.
  // An empty or unfit answer counts as Cancel.
  static constexpr const char* kBrokerName = "VoxTunerDialogBroker";

  // Parent of the dialogs shown (the frame, normally).
  void SetParent(QWidget* w) { parent_ = w; }

 private:
  QString FileDialog(bool save, const QString& caption, const QString& filter, const QString& dir);
  QWidget* parent_ = nullptr;
};

// 8-bit texts of the protocol and files, at the Qt boundary.
inline QString Q(const std::string& s) { return QString::fromLatin1(s.data(), qsizetype(s.size())); }
inline std::string S(const QString& s) { return s.toLatin1().toStdString(); }

}  // namespace vt::ui
