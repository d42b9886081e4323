// The wizards' controls and their places in the window.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "frame/Controls.h"
#include "frame/ToolWindows.h"

namespace vt::frame {

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w = 80) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, w, 16);
  return l;
}

TScrollBar* NewBar(QWidget* parent, const char* name, int x, int y, int min, int max, int pos,
                   int large) {
  auto* s = new TScrollBar(parent);
  s->setObjectName(name);
  s->setRange(min, max);
  s->setPageStep(large);
  s->setValue(pos);
  s->setGeometry(x, y, 170, 17);
  return s;
}

template <class T>
T* Named(T* w, const QString& name, const QRect& at) {
  w->setObjectName(name);
  w->setGeometry(at);
  return w;
}

}  // namespace

TFilterWizard::TFilterWizard(QWidget* owner, const WizardLayout& layout)
    : TToolWindow(owner, layout.name, layout.caption),
      layout_(layout),
      iir_(static_cast<size_t>(layout.sections)),
      mask_(filters::CreationMask(layout.kind)) {
  setFixedSize(641, 661);
  setFont(QFont("MS Sans Serif", 8));
  setModal(true);
  fir_.tapCount = 31;
  fir_.Flat();
  runTimer_ = new QTimer(this);
  runTimer_->setInterval(50);
  connect(runTimer_, &QTimer::timeout, this, [this] { PollRun(); });
  BuildControls();
}

void TFilterWizard::BuildControls() {
  TPaintBox* plot = AddPlot({16, 16, 609, 297}, [this](QPainter& p) { Paint(p); }, "curves",
                            [this](const QString& path) { return SaveCsv(path); });
  plot->OnMouseMove = [this](int x, int) { PointerMoved(x); };
  plot->setMouseTracking(true);
  PaintBox1 = plot;
  NewLabel(this, "Label15", layout_.ratingCaption, 16, 318);
  Label16 = NewLabel(this, "Label16", "0dB", 96, 318);
  NewLabel(this, "Label17", "Value at pointer:", 160, 318, 105);
  Label18 = NewLabel(this, "Label18", "", 265, 318, 190);
  if (layout_.has40k) {
    CheckBox6 = Named(new QCheckBox("Design for 40ks/s filtering", this), "CheckBox6",
                      {458, 316, 180, 20});
    connect(CheckBox6, &QCheckBox::toggled, this, [this] { UpdateFrequencyLabels(); });
  }
  BuildFirGroup()->setGeometry(16, 340, 300, 105);
  BuildIirGroup()->setGeometry(325, 340, 300, 185);
  BuildPasteGroup()->setGeometry(16, 450, 300, 150);
  BuildDisplayGroup()->setGeometry(325, 530, 300, 45);
  BuildMaskGroup()->setGeometry(325, 580, 300, 70);
  Button3 = Named(new QPushButton("OK", this), "Button3", {16, 620, 75, 25});
  Button4 = Named(new QPushButton("Cancel", this), "Button4", {100, 620, 75, 25});
  connect(Button3, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(Button4, &QPushButton::clicked, this, [this] {
    okPressed = false;
    reject();
  });
}

QWidget* TFilterWizard::BuildFirGroup() {
  auto* g = new QGroupBox("FIR", this);
  g->setObjectName("GroupBox2");
  NewLabel(g, "Label1", "Band", 8, 20, 40);
  ScrollBar1 = NewBar(g, "ScrollBar1", 60, 20, 0, 15, 0, 1);
  Label2 = NewLabel(g, "Label2", "125Hz", 236, 20, 60);
  NewLabel(g, "Label3", "Level", 8, 45, 40);
  ScrollBar2 = NewBar(g, "ScrollBar2", 60, 45, 0, 400, 200, 10);
  Label4 = NewLabel(g, "Label4", "0dB", 236, 45, 60);
  Button2 = Named(new QPushButton("Flat", g), "Button2", QRect{8, 70, 60, 25});
  connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { ScrollBar1Change(); });
  connect(ScrollBar2, &QScrollBar::valueChanged, this, [this] { ScrollBar2Change(); });
  connect(Button2, &QPushButton::clicked, this, [this] { FirFlatClick(); });
  return g;
}

QWidget* TFilterWizard::BuildIirGroup() {
  auto* g = new QGroupBox("IIR", this);
  g->setObjectName("GroupBox3");
  for (int i = 0; i < layout_.sections; ++i) {
    auto* r = Named(new QRadioButton(QString("IIR%1").arg(i), g), QString("RadioButton%1").arg(i + 1),
                    QRect{8 + 60 * i, 18, 55, 18});
    r->setChecked(i == 0);
    sectionRadios.push_back(r);
    connect(r, &QRadioButton::toggled, this, [this](bool on) {
      if (on) SectionSelect();
    });
  }
  struct Row {
    const char *caption, *captionName, *bar, *value, *start;
    int min, max, pos, large;
  };
  static const Row kRows[5] = {
      {"Gain LF", "Label6", "ScrollBar3", "Label5", "0dB", 0, 400, 200, 10},
      {"Gain F0", "Label7", "ScrollBar4", "Label8", "0dB", 0, 400, 200, 10},
      {"Gain HF", "Label9", "ScrollBar5", "Label10", "0dB", 0, 400, 200, 10},
      {"F0", "Label11", "ScrollBar6", "Label12", "1000Hz", 20, 4000, 1000, 50},
      {"m", "Label13", "ScrollBar7", "Label14", "1", 1, 1000, 100, 10}};
  for (int i = 0; i < 5; ++i) {
    const Row& r = kRows[i];
    const int y = 42 + 24 * i;
    NewLabel(g, r.captionName, r.caption, 8, y, 50);
    sectionBars[i] = NewBar(g, r.bar, 60, y, r.min, r.max, r.pos, r.large);
    sectionLabels[i] = NewLabel(g, r.value, r.start, 236, y, 60);
    connect(sectionBars[i], &QScrollBar::valueChanged, this, [this, i] { SectionChange(i); });
  }
  sectionFlat = Named(new QPushButton("Flat", g), layout_.sectionFlat, QRect{8, 156, 60, 25});
  connect(sectionFlat, &QPushButton::clicked, this, [this] { SectionFlatClick(); });
  return g;
}

QWidget* TFilterWizard::BuildPasteGroup() {
  auto* g = new QGroupBox("Paste spectrum", this);
  g->setObjectName("GroupBox1");
  Button1 = Named(new QPushButton("Paste measured spectrum", g), "Button1", QRect{8, 18, 180, 25});
  CheckBox1 = Named(new QCheckBox("Spectrum level is dB", g), "CheckBox1", QRect{8, 48, 280, 18});
  CheckBox1->setChecked(true);
  CheckBox2 = Named(new QCheckBox("Spectrum was measured with the actual filter setting", g),
                    "CheckBox2", QRect{8, 68, 290, 18});
  CheckBox2->setFont(QFont(font().family(), 7));  // the long caption fits the group
  noFlatness = Named(new QCheckBox("NO FLATNESS optimisation", g), layout_.noFlatness,
                     QRect{8, 88, 280, 18});
  autoCorrect = Named(new QPushButton("FIR auto correct", g), layout_.autoCorrect,
                      QRect{8, 114, 180, 25});
  autoCorrect->setEnabled(false);
  connect(Button1, &QPushButton::clicked, this, [this] { PasteClick(); });
  connect(autoCorrect, &QPushButton::clicked, this, [this] { AutoCorrectClick(); });
  return g;
}

QWidget* TFilterWizard::BuildDisplayGroup() {
  auto* g = new QGroupBox("Filter display selection", this);
  g->setObjectName("GroupBox4");
  for (int i = 0; i <= layout_.sections; ++i) {
    auto* c = Named(new QCheckBox(i == 0 ? QString("FIR") : QString("IIR%1").arg(i - 1), g),
                    QString("CheckBox%1").arg(3 + i), QRect{8 + 56 * i, 20, 54, 18});
    c->setChecked(true);
    display.push_back(c);
    connect(c, &QCheckBox::toggled, PaintBox1, [this] { PaintBox1->update(); });
  }
  return g;
}

QWidget* TFilterWizard::BuildMaskGroup() {
  auto* g = new QGroupBox("Limit mask", this);
  g->setObjectName("GroupBox5");
  const std::vector<std::string> names = filters::MaskNames(layout_.kind);
  for (size_t i = 0; i < names.size(); ++i) {
    const int column = int(i % 3), row = int(i / 3);
    auto* r = Named(new QRadioButton(QString::fromStdString(names[i]), g),
                    QString("RadioButton%1").arg(layout_.firstMaskRadio + int(i)),
                    QRect{8 + 96 * column, 18 + 22 * row, 92, 18});
    maskRadios.push_back(r);
    connect(r, &QRadioButton::clicked, this, [this, i] { MaskClick(int(i)); });
  }
  maskRadios[0]->setChecked(true);
  return g;
}

}  // namespace vt::frame
