#include "config/gui/TForm12.h"

#include "common/gui/Dialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vt::ui {

namespace {
QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QRadioButton(caption, parent);
  b->setObjectName(name);
  return b;
}
}  // namespace

TForm12::TForm12(QWidget* parent) : QDialog(parent) {
  setObjectName("Form12");
  setWindowTitle("File tag");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(true);

  GroupBox1 = new QGroupBox("Audio message", this);
  GroupBox1->setObjectName("GroupBox1");
  RadioButton1 = MakeRadio(GroupBox1, "RadioButton1", "Speech");
  RadioButton2 = MakeRadio(GroupBox1, "RadioButton2", "Music");
  RadioButton1->setChecked(true);
  auto* messageLayout = new QVBoxLayout(GroupBox1);
  messageLayout->addWidget(RadioButton1);
  messageLayout->addWidget(RadioButton2);
  messageLayout->addStretch();

  GroupBox2 = new QGroupBox("Audio mode", this);
  GroupBox2->setObjectName("GroupBox2");
  RadioButton3 = MakeRadio(GroupBox2, "RadioButton3", "Handset");
  RadioButton4 = MakeRadio(GroupBox2, "RadioButton4", "Headset");
  RadioButton5 = MakeRadio(GroupBox2, "RadioButton5", "SpeakerPhone");
  RadioButton6 = MakeRadio(GroupBox2, "RadioButton6", "Carkit");
  RadioButton7 = MakeRadio(GroupBox2, "RadioButton7", "Other:");
  RadioButton3->setChecked(true);
  Edit1 = new QLineEdit(GroupBox2);
  Edit1->setObjectName("Edit1");
  auto* modeLayout = new QGridLayout(GroupBox2);
  modeLayout->addWidget(RadioButton3, 0, 0);
  modeLayout->addWidget(RadioButton4, 1, 0);
  modeLayout->addWidget(RadioButton5, 2, 0);
  modeLayout->addWidget(RadioButton6, 3, 0);
  modeLayout->addWidget(RadioButton7, 4, 0);
  modeLayout->addWidget(Edit1, 4, 1);

  Button1 = new QPushButton("OK", this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

  auto* groups = new QHBoxLayout;
  groups->addWidget(GroupBox1);
  groups->addWidget(GroupBox2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm12::Button1Click() {
  OkFlag = true;
  accept();
}

void TForm12::ShowChoice(const FileTagChoice& choice) {
  if (choice.message == AudioMessageChoice::Speech) RadioButton1->setChecked(true);
  else if (choice.message == AudioMessageChoice::Music) RadioButton2->setChecked(true);
  switch (choice.mode) {
    case AudioModeChoice::Handset: RadioButton3->setChecked(true); break;
    case AudioModeChoice::Headset: RadioButton4->setChecked(true); break;
    case AudioModeChoice::SpeakerPhone: RadioButton5->setChecked(true); break;
    case AudioModeChoice::Carkit: RadioButton6->setChecked(true); break;
    case AudioModeChoice::Other:
      RadioButton7->setChecked(true);
      Edit1->setText(Q(choice.otherMode));
      break;
  }
}

FileTagChoice TForm12::Choice() const {
  FileTagChoice c;
  c.message = RadioButton1->isChecked()   ? AudioMessageChoice::Speech
              : RadioButton2->isChecked() ? AudioMessageChoice::Music
                                          : AudioMessageChoice::Unchanged;
  c.mode = RadioButton3->isChecked()   ? AudioModeChoice::Handset
           : RadioButton4->isChecked() ? AudioModeChoice::Headset
           : RadioButton5->isChecked() ? AudioModeChoice::SpeakerPhone
           : RadioButton6->isChecked() ? AudioModeChoice::Carkit
                                       : AudioModeChoice::Other;
  if (c.mode == AudioModeChoice::Other) c.otherMode = S(Edit1->text());
  return c;
}

}  // namespace vt::ui
