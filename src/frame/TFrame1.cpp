#include "frame/TFrame1.h"

#include <QButtonGroup>
#include <QFont>
#include <QGridLayout>
#include <QVBoxLayout>

#include <algorithm>

#include "common/IniFile.h"
#include "common/Numbers.h"
#include "common/gui/Dialogs.h"
#include "config/gui/MemoFileActions.h"
#include "config/gui/MemoLines.h"
#include "frame/Builder.h"
#include "frame/Module.h"
#include "frame/TabContext.h"
#include "frame/ToolWindows.h"
#include "frame/WidgetControls.h"
#include "handset/HandsetState.h"

namespace vt::frame {

TFrame1* Frame1 = nullptr;
std::string IniFilePath;

TFrame1::TFrame1(QWidget* owner) : QWidget(owner) {
  setObjectName("Frame1");
  BuildControls();
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  Timer1->setInterval(10000);  // disabled; the status buttons set 100 ms and start it
  ConnectMemoStrip();
  ConnectCalibrations();
  ConnectMeasurements();
  controls_ = std::make_unique<WidgetControls>(this);
  tabContext_.reset(new TabContext{this, *controls_, [this] {
                                     return editors::FrameState{ChipType(), hasExtendedEcParams,
                                                                hasConvergenceAccelerator,
                                                                hasVoiceBoosterAndHarmonizers, WizardBusy};
                                   },
                                   Timer1, {}});
#define VT_SETUP_TAB(Name) Name##Tab::Setup##Name(*tabContext_);
  VT_FRAME_TABS(VT_SETUP_TAB)
#undef VT_SETUP_TAB
  std::stable_sort(tabContext_->statusPolls.begin(), tabContext_->statusPolls.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
  CurrentValueList = ValueListEditor4;  // the Q711/15 list until the gating says otherwise
  building_ = false;
}

TFrame1::~TFrame1() = default;

void TFrame1::BuildControls() {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  PageControl1 = new QTabWidget;
  PageControl1->setObjectName("PageControl1");
  PageControl1->setMinimumSize(537, 412);
  PageControl1->setUsesScrollButtons(true);
  MemoStrip = new QWidget;
  MemoStrip->setObjectName("MemoStrip");
  column->addWidget(PageControl1, 1);
  column->addWidget(MemoStrip, 0);

  Builder b;
#define VT_BUILD_TAB(Name) Name##Tab::Build##Name(b, PageControl1, MemoStrip);
  VT_FRAME_TABS(VT_BUILD_TAB)
#undef VT_BUILD_TAB
  b.Finish();
}

void TFrame1::ConnectMemoStrip() {
  QFont memoFont("Serif");
  memoFont.setStyleHint(QFont::Serif);
  memoFont.setPixelSize(9 + 2);  // 9 px on the original's 96-dpi screen reads too small here
  for (TMemo* m : {Memo1, Memo2, Memo3}) {
    m->setFont(memoFont);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setMinimumSize(169, 141);
  }
  memos_ = std::make_unique<ui::MemoBinding>(std::array<QPlainTextEdit*, 3>{Memo1, Memo2, Memo3},
                                             RadioButton4, RadioButton5);
  connect(SaveMemoToFileButton, &QPushButton::clicked, this, [this] { SaveMemoToFileClick(); });
  connect(LoadMemoFromFileButton, &QPushButton::clicked, this, [this] { LoadMemoFromFileClick(); });
  // The three "Active" buttons sit in separate boxes: one group makes them exclusive.
  auto* active = new QButtonGroup(this);
  active->addButton(RadioButton4, 0);
  active->addButton(RadioButton5, 1);
  active->addButton(RadioButton6, 2);
  connect(RadioButton34, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioButton34Click();
  });
  connect(RadioButton35, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RadioButton34Click();
  });
  connect(PageControl1, &QTabWidget::currentChanged, this, [this](int) {
    if (!building_) PageControl1Change();
  });
  Label45->setAlignment(Qt::AlignRight | Qt::AlignBottom);
}

void TFrame1::SaveMemoToFileClick() {
  if (Form12) ui::SaveMemoToFile(*Form12);
}

void TFrame1::LoadMemoFromFileClick() { ui::LoadMemoFromFile(); }

void TFrame1::Timer1Timer() {
  for (const auto& poll : tabContext_->statusPolls) poll.second();
}

int TFrame1::ActiveMemo() const {
  if (RadioButton5->isChecked()) return 1;
  if (RadioButton6->isChecked()) return 2;
  return 0;
}

TMemo* TFrame1::Memo(int index) const {
  return index == 1 ? Memo2 : index == 2 ? Memo3 : Memo1;
}

void TFrame1::SetCalFile(const std::string& path) {
  CalFilePath = path;
  CalFileLabel->setText(ui::Q(ExtractFileName(path)));
}

void TFrame1::ApplyIniFile(const std::string& path) {
  IniFile ini(path);
  std::string cal = ini.ReadString("VoxTuner", "CalFile", "");
  if (!cal.empty()) SetCalFile(cal);
  long long view = ini.ReadInteger("VoxTuner", "Default_Q7xx", 1);
  if (view == 1) RadioButton34->setChecked(true);
  else if (view == 3) RadioButton35->setChecked(true);
}

}  // namespace vt::frame
