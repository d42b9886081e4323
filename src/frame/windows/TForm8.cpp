#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "frame/ToolWindows.h"

namespace vt::frame {

TForm8::TForm8(QWidget* owner) : TToolWindow(owner, "Form8", "Measurement status") {
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QVBoxLayout(this);
  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setMinimumWidth(320);
  Button1 = new QPushButton("Cancel", this);
  Button1->setObjectName("Button1");
  layout->addWidget(Label1);
  layout->addWidget(Button1, 0, Qt::AlignRight);
  connect(Button1, &QPushButton::clicked, this, [this] {
    cancelled_ = true;
    Label1->setText("Stopping...");
  });
}

void TForm8::SetStatus(const QString& text) {
  if (text.isEmpty()) {
    hide();
    return;
  }
  Label1->setText(text);
  show();
}

void TForm8::closeEvent(QCloseEvent* event) {
  cancelled_ = true;
  event->accept();
}

}  // namespace vt::frame
