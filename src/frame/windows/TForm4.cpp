#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "frame/ToolWindows.h"

namespace vt::frame {

TForm4::TForm4(QWidget* owner) : TToolWindow(owner, "Form4", "AutoCorrect") {
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowStaysOnTopHint);
  // Room for the pass and margin line below the phase.
  setFixedSize(200, 78);
  setWindowModality(Qt::ApplicationModal);
  auto label = [this](const char* name, int y) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(4, y, 192, 16);
    return l;
  };
  Label1 = label("Label1", 4);
  Label2 = label("Label2", 22);
  Button1 = new QPushButton("Cancel", this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(62, 46, 75, 25);
  connect(Button1, &QPushButton::clicked, this, [this] {
    if (cancel_) cancel_();
  });
}

void TForm4::Begin(std::function<void()> cancel) {
  cancel_ = std::move(cancel);
  Label1->setText(QString::fromLatin1(filters::kMaskCorrectionText.data(),
                                      qsizetype(filters::kMaskCorrectionText.size())));
  Label2->clear();
  show();
}

void TForm4::Progress(const QString& phase, int pass, const QString& worst) {
  Label1->setText(phase);
  Label2->setText(QString("pass %1, worst margin %2").arg(pass).arg(worst));
}

void TForm4::End() {
  cancel_ = nullptr;
  hide();
}

void TForm4::closeEvent(QCloseEvent* event) {
  if (cancel_) cancel_();
  event->accept();
}

}  // namespace vt::frame
