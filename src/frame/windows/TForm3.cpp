// The echo-canceller wizard window: pages of bars built from the wizard's
// control table, the bottom strip, the status timer.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "config/MemoConfig.h"
#include "editors/EcWizard.h"
#include "frame/Controls.h"
#include "frame/TFrame1.h"
#include "frame/ToolWindows.h"
#include "frame/WidgetControls.h"
#include "frame/tabs/ParamListBinding.h"
#include "handset/Handset.h"
#include "handset/Link.h"

namespace vt::frame {

namespace {
constexpr const char* kGetStatus = "Get target status";
constexpr const char* kStopStatus = "Stop getting target status";

// The threshold and logic labels of the control-logic pages, by page.
const std::vector<std::pair<int, std::vector<int>>> kLogicLabels = {
    {3, {90, 89, 92, 88, 91, 87, 93, 94, 95}}, {4, {131, 132, 133}}, {5, {140}}};

void Paint(QLabel* l, uint32_t colour) {
  l->setAutoFillBackground(true);
  QPalette p = l->palette();
  p.setColor(QPalette::Window, QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF),
                                      int((colour >> 16) & 0xFF)));
  l->setPalette(p);
}
}  // namespace

struct TForm3::Impl {
  explicit Impl(TForm3* self, QWidget* owner) : wizard(self), frame(owner), owner_(owner) {}
  WidgetControls wizard;
  WidgetControls frame;
  QWidget* owner_;
  int nesting = 0;  // speed bars being pushed by a neighbour

  // The frame as the wizard sends to it: changed rows only while it is open.
  editors::WizardContext Context() {
    editors::WizardContext c{wizard, frame, {}, nullptr, nesting};
    c.state.chipType = ChipType();
    if (auto* f = qobject_cast<TFrame1*>(owner_)) {
      c.state.hasExtendedEcParams = f->hasExtendedEcParams;
      c.state.hasConvergenceAccelerator = f->hasConvergenceAccelerator;
      c.state.wizardBusy = f->WizardBusy;
      c.kept = f->WizardBusy ? &f->EcKeptRows : nullptr;
    }
    return c;
  }
};

TForm3::TForm3(QWidget* owner)
    : TToolWindow(owner, "Form3", "EC ES NS Wizzard"),
      owner_(owner),
      impl_(std::make_unique<Impl>(this, owner)) {
  auto* column = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  column->addWidget(PageControl1, 1);
  BuildPages();
  BuildStrip();
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(100);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

TForm3::~TForm3() = default;

void TForm3::BuildPages() {
  std::vector<QGridLayout*> grids;
  int n = 0;
  for (const std::string& caption : editors::WizardPages()) {
    auto* page = new QWidget;
    page->setObjectName(QString("TabSheet%1").arg(++n));
    grids.push_back(new QGridLayout(page));
    PageControl1->addTab(page, QString::fromStdString(caption));
  }
  for (const editors::WizardControl& c : editors::WizardControls()) {
    if (c.page < 0) continue;
    QWidget* page = PageControl1->widget(c.page);
    QGridLayout* grid = grids[size_t(c.page)];
    const int row = grid->rowCount();
    const QString name = QString::fromStdString(c.name);
    const QString caption = QString::fromStdString(c.caption);
    using Kind = editors::WizardControl::Kind;
    if (c.kind == Kind::Box || c.kind == Kind::StatusBox) {
      auto* box = new QCheckBox(caption, page);
      box->setObjectName(name);
      box->setEnabled(c.kind == Kind::Box);
      grid->addWidget(box, row, 1);
      if (c.kind == Kind::Box)
        connect(box, &QCheckBox::clicked, this, [this, n = c.name] { Changed(n, true); });
      continue;
    }
    auto* label = new QLabel(caption, page);
    if (!c.label.empty()) label->setObjectName(QString::fromStdString(c.label));
    auto* bar = new TTrackBar(page);
    bar->setObjectName(name);
    bar->setRange(c.min, c.max);
    bar->setValue(c.start);
    bar->setMinimumWidth(260);
    bar->setEnabled(c.kind == Kind::Input);
    if (c.name == "TrackBar41") bar->setTickInterval(32);
    grid->addWidget(label, row, 0);
    grid->addWidget(bar, row, 1);
    if (c.kind == Kind::Input)
      connect(bar, &QSlider::valueChanged, this, [this, n = c.name] { Changed(n, false); });
  }
  for (const auto& [pageIndex, numbers] : kLogicLabels) {
    auto* strip = new QHBoxLayout;
    for (int k : numbers) {
      auto* l = new QLabel("0", PageControl1->widget(pageIndex));
      l->setObjectName(QString("Label%1").arg(k));
      l->setFixedWidth(24);
      l->setAlignment(Qt::AlignCenter);
      Paint(l, 0xFFFFFF);
      strip->addWidget(l);
    }
    strip->addStretch(1);
    grids[size_t(pageIndex)]->addLayout(strip, grids[size_t(pageIndex)]->rowCount(), 0, 1, 2);
  }
  QWidget* misc = PageControl1->widget(7);
  auto* delay = new QLabel("125 samples", misc);
  delay->setObjectName("Label4");
  grids[7]->addWidget(delay, grids[7]->rowCount(), 1);
  auto* calculate = new QPushButton("Calculate", misc);
  calculate->setObjectName("Button7");
  grids[7]->addWidget(calculate, grids[7]->rowCount(), 1);
  connect(calculate, &QPushButton::clicked, this, [this] {
    editors::WizardContext c = impl_->Context();
    Report(editors::WizardCalculate(c));
  });
  auto* help = new QPushButton("?", PageControl1->widget(0));
  help->setObjectName("BitBtn1");
  help->setFixedWidth(24);
  grids[0]->addWidget(help, 0, 2);
  connect(help, &QPushButton::clicked, this, [] {
    if (!Form5) return;
    auto* text = Form5->findChild<QPlainTextEdit*>("Memo1");
    if (!text) {
      text = new QPlainTextEdit(Form5);
      text->setObjectName("Memo1");
      text->setReadOnly(true);
      (new QVBoxLayout(Form5))->addWidget(text);
    }
    text->clear();
    for (const std::string& line : editors::WizardFarEndHelp())
      text->appendPlainText(QString::fromStdString(line));
    Form5->show();
  });
}

void TForm3::BuildStrip() {
  auto* strip = new QHBoxLayout;
  auto button = [this, strip](const char* name, const char* caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    strip->addWidget(b);
    return b;
  };
  QPushButton* status = button("Button1", kGetStatus);
  auto* enable = new QCheckBox("Enable Echo Canceller", this);
  enable->setObjectName("CheckBox2");
  strip->addWidget(enable);
  connect(enable, &QCheckBox::clicked, this, [this] { Changed("CheckBox2", true); });
  QPushButton* restart = button("Button2", "RESTART EC");
  QPushButton* resend = button("Button3", "Resend to target");
  QPushButton* toMemo = button("Button4", "Send to Memo");
  QPushButton* fromMemo = button("Button5", "Get from Memo");
  QPushButton* fromGui = button("Button6", "Get from GUI");
  LinkStatus = new QLabel(this);
  LinkStatus->setObjectName("LinkStatus");
  auto* bottom = new QVBoxLayout;
  bottom->addLayout(strip);
  bottom->addWidget(LinkStatus);
  qobject_cast<QVBoxLayout*>(layout())->addLayout(bottom);

  auto run = [this](std::string (*f)(editors::WizardContext&)) {
    return [this, f] {
      editors::WizardContext c = impl_->Context();
      Report(f(c));
    };
  };
  connect(status, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(restart, &QPushButton::clicked, this, run(editors::WizardRestart));
  connect(resend, &QPushButton::clicked, this, run(editors::WizardResend));
  connect(fromGui, &QPushButton::clicked, this, run([](editors::WizardContext& c) {
            editors::WizardFromFrame(c);
            return std::string();
          }));
  connect(toMemo, &QPushButton::clicked, this, [this] {
    if (LineStore* memo = SharedMemoConfig().ChooseActiveMemo())
      editors::WizardToMemo(impl_->wizard, *memo);
  });
  connect(fromMemo, &QPushButton::clicked, this, [this] {
    if (LineStore* memo = SharedMemoConfig().ChooseActiveMemo())
      editors::WizardFromMemo(*memo, impl_->wizard);
  });
}

void TForm3::Changed(const std::string& control, bool byCode) {
  // Pushed neighbours come back here while the moved bar is being handled:
  // their calls see the count above 0 and leave the rows alone.
  editors::WizardContext c = impl_->Context();
  ++impl_->nesting;
  const std::string error = editors::WizardChanged(c, control, byCode);
  --impl_->nesting;
  Report(error);
}

void TForm3::Report(const std::string& error) { ReportListError(error); }

void TForm3::Start() {
  const ChipIdentity id = IdentifyChip();
  const bool openLoop = editors::WizardShowsOpenLoop(id.chipType ? id.chipType : ChipType(),
                                                     id.version.a, id.version.b);
  for (const char* name : {"TrackBar13", "TrackBar14", "TrackBar15", "TrackBar16", "TrackBar17",
                           "Label57", "Label59", "Label61", "Label63", "Label65", "Label67"})
    if (QWidget* w = impl_->wizard.Widget(name)) w->setVisible(openLoop);
  auto* frame = qobject_cast<TFrame1*>(owner_);
  if (!frame) return;
  editors::WizardLaunch(impl_->frame, frame->EcKeptRows);
  frame->WizardBusy = true;
  LinkStatus->clear();
}

void TForm3::Finish() {
  Timer1->stop();
  if (auto* b = findChild<QPushButton*>("Button1")) b->setText(kGetStatus);
  if (auto* frame = qobject_cast<TFrame1*>(owner_)) frame->WizardBusy = false;
}

void TForm3::Open() {
  Start();
  exec();
  Finish();
}

void TForm3::hideEvent(QHideEvent* e) {
  Finish();
  TToolWindow::hideEvent(e);
}

void TForm3::Button1Click() {
  auto* b = findChild<QPushButton*>("Button1");
  const bool start = b->text() == kGetStatus;
  b->setText(start ? kStopStatus : kGetStatus);
  if (start) Timer1->start();
  else Timer1->stop();
}

void TForm3::Timer1Timer() {
  const std::optional<editors::WizardStatus> s =
      editors::PollWizardStatus(PageControl1->currentIndex(), impl_->wizard);
  if (!s) {
    SocketManager* link = Link();
    LinkStatus->setText(!LinkUp(link)          ? "No link to the handset: status not updated."
                        : !LinkAnswering(link) ? "The handset is not answering: status not updated."
                                               : "Link busy: status skipped.");
    return;
  }
  LinkStatus->setText(LinkAnswering(Link()) ? "" : "The handset is not answering: status not updated.");
  for (const auto& [name, position] : s->positions) impl_->wizard.SetPosition(name, position);
  for (const auto& [name, on] : s->boxes) impl_->wizard.SetChecked(name, on);
  for (const editors::WizardStatus::Label& l : s->labels) {
    auto* label = qobject_cast<QLabel*>(impl_->wizard.Widget(l.name));
    if (!label) continue;
    if (!l.text.empty()) label->setText(QString::fromStdString(l.text));
    Paint(label, l.colour);
  }
}

bool TForm3::SavePng(const QString& path) { return grab().save(path, "PNG"); }

}  // namespace vt::frame
