// voxhost's script reader over any text: every line run against a small
// frame holding one control of each kind the commands reach, as a script
// file would be. Lines that write files ("dump", "shot") are left out, as the
// input names the file. Each line either works or says why.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>

#include <cstdint>

#include "host/ScriptRunner.h"

namespace {

QWidget* Frame() {
  static int argc = 1;
  static char name[] = "fuzz_script";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(argc, argv);
  static QWidget frame;
  if (frame.findChildren<QWidget*>().isEmpty()) {
    frame.setObjectName("Frame1");
    auto add = [](QWidget* w, const char* objectName) { w->setObjectName(objectName); };
    add(new QPushButton("Go", &frame), "Button1");
    add(new QCheckBox("On", &frame), "CheckBox1");
    add(new QRadioButton("One", &frame), "RadioButton1");
    auto* bar = new QScrollBar(Qt::Horizontal, &frame);
    bar->setRange(-40, 80);
    add(bar, "ScrollBar1");
    add(new QLineEdit(&frame), "Edit1");
    auto* combo = new QComboBox(&frame);
    combo->addItems({"Normal", "DAI"});
    add(combo, "ComboBox1");
    auto* list = new QTableWidget(2, 2, &frame);
    list->setItem(0, 0, new QTableWidgetItem("UL_Gmin"));
    list->setItem(1, 0, new QTableWidgetItem("a0"));
    add(list, "ValueListEditor1");
    add(new QPlainTextEdit(&frame), "Memo1");
    auto* tabs = new QTabWidget(&frame);
    tabs->addTab(new QWidget, "DSP config");
    tabs->widget(0)->setObjectName("TabSheet1");
    add(tabs, "PageControl1");
  }
  return &frame;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QWidget* frame = Frame();
  vt::host::ScriptRunner runner(frame, nullptr);
  runner.Output = [](const QString&) {};
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
  for (const QString& line : text.split('\n')) {
    const QString verb = line.trimmed().section(' ', 0, 0);
    if (verb == "dump" || verb == "shot") continue;
    runner.RunLine(line);
  }
  return 0;
}
