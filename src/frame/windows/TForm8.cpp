#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
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
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName("ProgressBar1");
  ProgressBar1->hide();
  Button1 = new QPushButton("Cancel", this);
  Button1->setObjectName("Button1");
  layout->addWidget(Label1);
  layout->addWidget(ProgressBar1);
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

void TForm8::SetProgress(const QString& label, int done, int total) {
  ProgressBar1->setVisible(total > 0);
  if (total <= 0) return;
  ProgressBar1->setRange(0, total);
  ProgressBar1->setValue(done);
  ProgressBar1->setFormat(label + ": %p%");
}

void TForm8::closeEvent(QCloseEvent* event) {
  cancelled_ = true;
  event->accept();
}

}  // namespace vt::frame
