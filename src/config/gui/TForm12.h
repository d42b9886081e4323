// The "File tag" window: the kind of audio and the acoustic mode a tuning is
// made for, asked before a memo is saved. It runs modally (exec()); "OK" sets
// OkFlag before the window closes, any other way out leaves it clear.
#pragma once

#include "config/MemoFile.h"

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vt::ui {

class TForm12 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm12(QWidget* parent = nullptr);

  // Group "Audio message".
  QGroupBox* GroupBox1;
  QRadioButton* RadioButton1;  // "Speech"
  QRadioButton* RadioButton2;  // "Music"
  // Group "Audio mode".
  QGroupBox* GroupBox2;
  QRadioButton* RadioButton3;  // "Handset"
  QRadioButton* RadioButton4;  // "Headset"
  QRadioButton* RadioButton5;  // "SpeakerPhone"
  QRadioButton* RadioButton6;  // "Carkit"
  QRadioButton* RadioButton7;  // "Other:"
  QLineEdit* Edit1;            // the mode's own name, beside "Other:"
  QPushButton* Button1;        // "OK", the default button

  bool OkFlag = false;

  // Shows a tag's choices; an unchanged message leaves its buttons alone.
  void ShowChoice(const FileTagChoice& choice);
  // The choices as checked now.
  FileTagChoice Choice() const;

  void Button1Click();
};

}  // namespace vt::ui
