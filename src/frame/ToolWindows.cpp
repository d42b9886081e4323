#include "frame/ToolWindows.h"

#include <QAction>
#include <QWidget>

#include "common/gui/Dialogs.h"
#include "frame/Controls.h"

namespace vt::frame {

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;
TForm5* Form5 = nullptr;
TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm9* Form9 = nullptr;
TForm10* Form10 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm21* Form21 = nullptr;

TToolWindow::TToolWindow(QWidget* owner, const char* name, const char* caption)
    : QDialog(owner, Qt::Window) {
  setObjectName(QString::fromLatin1(name));
  setWindowTitle(QString::fromLatin1(caption));
  setVisible(false);
}

TPaintBox* TToolWindow::AddPlot(const QRect& where, std::function<void(QPainter&)> paint, const QString& curves,
                                std::function<bool(const QString&)> saveCsv) {
  auto* plot = new TPaintBox(this);
  plot->OnPaint = std::move(paint);
  plot->setObjectName("PaintBox1");
  plot->setGeometry(where);
  AddSaveAction(plot, "Save plot as PNG...", "Save plot", "PNG images (*.png)",
                [plot](const QString& path) { return plot->grab().save(path, "PNG"); });
  if (saveCsv) {
    AddSaveAction(plot, "Save " + curves + " as CSV...", "Save " + curves, "CSV files (*.csv)", std::move(saveCsv));
  }
  return plot;
}

void AddSaveAction(QWidget* plot, const QString& item, const QString& caption, const QString& filter,
                   std::function<bool(const QString&)> save) {
  auto* action = new QAction(item, plot);
  plot->addAction(action);
  plot->setContextMenuPolicy(Qt::ActionsContextMenu);
  QObject::connect(action, &QAction::triggered, plot, [caption, filter, save = std::move(save)] {
    auto& d = ui::Dialogs::Instance();
    const QString path = d.SaveFile(caption, filter);
    if (!path.isEmpty() && !save(path)) d.Error("Cannot write " + path);
  });
}

void CreateToolWindows(QWidget* owner) {
  Form1 = new TForm1(owner);
  Form2 = new TForm2(owner);
  Form3 = new TForm3(owner);
  Form4 = new TForm4(owner);
  Form5 = new TForm5(owner);
  Form6 = new TForm6(owner);
  Form7 = new TForm7(owner);
  Form8 = new TForm8(owner);
  Form9 = new TForm9(owner);
  Form10 = new TForm10(owner);
  Form11 = new TForm11(owner);
  Form12 = new TForm12(owner);
  Form21 = new TForm21(owner);
}

namespace {
template <class T>
void Free(T*& w) {
  delete w;
  w = nullptr;
}
}  // namespace

void FreeToolWindows() {
  Free(Form1);
  Free(Form2);
  Free(Form3);
  Free(Form4);
  Free(Form5);
  Free(Form6);
  Free(Form7);
  Free(Form8);
  Free(Form9);
  Free(Form10);
  Free(Form11);
  Free(Form12);
  Free(Form21);
}

QList<QWidget*> ToolWindowList() {
  return {Form1, Form2, Form3, Form4, Form5, Form6, Form7,
          Form8, Form9, Form10, Form11, Form12, Form21};
}

}  // namespace vt::frame
