#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "frame/ToolWindows.h"

namespace vt::frame {

TForm5::TForm5(QWidget* owner) : TToolWindow(owner, "Form5", "Help") {
  resize(420, 300);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  (new QVBoxLayout(this))->addWidget(Memo1);
}

void TForm5::ShowLines(const std::vector<std::string>& lines) {
  Memo1->clear();
  for (const std::string& line : lines) Memo1->appendPlainText(QString::fromStdString(line));
  show();
}

}  // namespace vt::frame
