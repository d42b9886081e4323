#include "host/VirtualBenchWindow.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vt::host {

namespace {
// (command word, caption) per choice, in the model's order.
const std::pair<const char*, const char*> kScenes[] = {
    {"none", "Nothing connected"},
    {"ref-mike-on-calibrator", "Reference mike on the sound calibrator"},
    {"ref-mike-at-mouth", "Reference mike at the mouth reference point"},
    {"calibrator-on-ear", "Sound calibrator on the artificial ear"},
    {"handset-on-ear", "Handset on the ear, mouth at its microphone"},
    {"electrical", "Handset's electrical downlink on the left input"}};
const std::pair<const char*, const char*> kEars[] = {{"1", "Type 1 or free-field"},
                                                     {"32LL", "Type 3.2 low leak"},
                                                     {"32HL", "Type 3.2 hi leak"},
                                                     {"33", "Type 3.3"}};
const std::pair<const char*, const char*> kTester[] = {{"idle", "Idle"},
                                                       {"decoder-cal", "Decoder cal (1 kHz tone)"},
                                                       {"encoder-cal", "Encoder cal (loop)"},
                                                       {"call", "Call to the handset"}};

template <size_t N>
QComboBox* Choices(const std::pair<const char*, const char*> (&items)[N], QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const auto& [word, caption] : items) box->addItem(caption, QString(word));
  return box;
}
}  // namespace

VirtualBenchWindow::VirtualBenchWindow(bench::Bench& bench, QWidget* parent)
    : QWidget(parent, Qt::Tool), bench_(bench) {
  setObjectName("VirtualBench");
  setWindowTitle("Virtual bench");
  auto* layout = new QVBoxLayout(this);
  auto* fileRow = new QHBoxLayout;
  file_ = new QLabel(this);
  auto* load = new QPushButton("Load bench file...", this);
  load->setObjectName("LoadBench");
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(load);
  layout->addLayout(fileRow);
  auto* form = new QFormLayout;
  scene_ = Choices(kScenes, this);
  scene_->setObjectName("Scene");
  ear_ = Choices(kEars, this);
  ear_->setObjectName("Ear");
  tester_ = Choices(kTester, this);
  tester_->setObjectName("Tester");
  form->addRow("Left input:", scene_);
  form->addRow("Artificial ear:", ear_);
  form->addRow("Radio tester:", tester_);
  layout->addLayout(form);
  status_ = new QLabel(this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  truth_ = new QPlainTextEdit(this);
  truth_->setObjectName("Truth");
  truth_->setReadOnly(true);
  truth_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  truth_->setMinimumSize(560, 300);
  layout->addWidget(truth_, 1);

  auto wire = [this](QComboBox* box, const char* verb) {
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, box, verb] { Run(QString("%1 %2").arg(verb, box->currentData().toString())); });
  };
  wire(scene_, "scene");
  wire(ear_, "ear");
  wire(tester_, "tester");
  connect(load, &QPushButton::clicked, this, &VirtualBenchWindow::LoadFile);
  Refresh();
}

bool VirtualBenchWindow::Command(const QString& line, QString& text) {
  std::string out;
  const bool ok = bench_.Command(line.toStdString(), out);
  text = QString::fromStdString(out);
  Refresh();
  if (!ok || (line.startsWith("tester") && !text.isEmpty())) status_->setText(text);
  return ok;
}

void VirtualBenchWindow::Run(const QString& line) {
  QString text;
  Command(line, text);
}

void VirtualBenchWindow::LoadFile() {
  const QString path = QFileDialog::getOpenFileName(this, "Load bench file", QString(),
                                                    "Bench files (*.bench);;All files (*)");
  if (!path.isEmpty()) Run("load " + path);
}

void VirtualBenchWindow::Refresh() {
  bench::TelephonometryPath& path = bench_.Path();
  const QSignalBlocker a(scene_), b(ear_), c(tester_);
  scene_->setCurrentIndex(static_cast<int>(path.CurrentScene()));
  ear_->setCurrentIndex(static_cast<int>(path.CurrentEar()));
  tester_->setCurrentIndex(static_cast<int>(path.CurrentTester()));
  const QString file = QString::fromStdString(bench_.File());
  file_->setText(file.isEmpty() ? "Bench: the ideal bench (no file)"
                                : "Bench file: " + QFileInfo(file).fileName());
  file_->setToolTip(file);
  status_->setText(bench_.Card()->RealTime() ? "The card runs in real time."
                                             : "The card runs as fast as the port takes buffers.");
  truth_->setPlainText(QString::fromStdString(bench::TruthReport(bench_.Truth())));
}

}  // namespace vt::host
