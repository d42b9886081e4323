// The "DL Dyn treatment" page.
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "frame/tabs/DlDyn.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/tabs/EditorSignals.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"
#include "frame/WidgetControls.h"
#include "common/gui/Dialogs.h"
#include "editors/DlDyn.h"
#include "editors/NoiseGate.h"

namespace vt::frame {

void DlDynTab::BuildDlDyn(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/DlDyn.def"
#include "frame/RowsEnd.h"
}

void DlDynTab::SetupDlDyn(TabContext& ctx) {
  BindReadBackButton(ctx, DlDynQ7xxToMemoButton, {"AGC_PAR"});
  for (TGroupBox* column : {DlPeakColumn, DlNoiseColumn, DlVoiceColumn}) MakeFrameless(column);
  // "Compressor" reads on from "Voice": the parameters' extra width goes to its column.
  if (auto* grid = qobject_cast<QGridLayout*>(DlVoiceColumn->layout()))
    grid->setColumnStretch(1, 1);
  for (TTrackBar* bar : {TrackBar1, TrackBar2, TrackBar3, TrackBar4}) bar->setMinimumWidth(200);
  PutScaleUnder(ScrollBar38, {Label78, Label79});
  PutScaleUnder(TrackBar4, {DlNgNoVoiceLabel, DlNgVoiceLabel});
  PutScaleUnder(TrackBar1, {DlNgClosedLabel, DlNgOpenLabel});
  PutScaleUnder(TrackBar2, {DlVcClosedLabel, DlVcOpenLabel});
  PutScaleUnder(TrackBar3, {DlVcMinus40Label, DlVcZeroLabel});
  SetupDlDynBehaviour(ctx);
}

namespace {
constexpr const char* kStart = "Start getting status";
constexpr const char* kStop = "Stop getting status";

// A status button: toggles its caption; "Start" runs Timer1 every 100 ms,
// "Stop" stops it (the buttons share the one timer).
void BindStatusButton(QPushButton* button, QTimer* timer) {
  QObject::connect(button, &QPushButton::clicked, button, [button, timer] {
    if (button->text() == kStart) {
      button->setText(kStop);
      timer->setInterval(100);
      timer->start();
    } else {
      button->setText(kStart);
      timer->stop();
    }
  });
}
}  // namespace

void DlDynTab::SetupDlDynBehaviour(TabContext& ctx) {
  WidgetControls* c = &ctx.controls;
  editors::ResetVoiceCompressorFlags();
  BindLabelsOnChange(ctx, editors::DlDynLabels());
  // BindSections keeps pointers to the sections: the table must outlive the frame.
  static const std::vector<editors::Section> harmonizer{editors::DlHarmonizerClick()};
  BindSections(ctx, harmonizer);
  QObject::connect(ScrollBar65, &QScrollBar::valueChanged, ctx.frame, [c](int p) {
    editors::SectionMemberChanged(editors::DlHarmonizerBar(), *c);
    c->SetPosition("ScrollBar66", p);
  });

  // Peak limiter.
  QObject::connect(CheckBox91, &QCheckBox::toggled, ctx.frame, [c] { editors::PeakLimiterClicked(*c); });
  for (QScrollBar* bar : {ScrollBar30, ScrollBar31, ScrollBar32})
    QObject::connect(bar, &QScrollBar::valueChanged, ctx.frame, [c] { editors::PeakLimiterChanged(*c); });
  QObject::connect(CheckBox90, &QCheckBox::toggled, ctx.frame, [c] { editors::PeakLimiterChanged(*c); });
  QObject::connect(CheckBox92, &QCheckBox::toggled, ScrollBar32,
                   [this](bool linked) { ScrollBar32->setEnabled(!linked); });

  // Noise gate.
  QObject::connect(CheckBox94, &QCheckBox::toggled, ctx.frame, [c] { editors::DlNoiseGateClicked(*c); });
  for (QCheckBox* box : {CheckBox95, CheckBox97})
    QObject::connect(box, &QCheckBox::toggled, ctx.frame, [c] { editors::DlNoiseGateSend(*c); });
  for (QScrollBar* bar : {ScrollBar33, ScrollBar34, ScrollBar35, ScrollBar36, ScrollBar37, ScrollBar38})
    QObject::connect(bar, &QScrollBar::valueChanged, ctx.frame, [c] { editors::DlNoiseGateSend(*c); });
  QObject::connect(ScrollBar35, &QScrollBar::valueChanged, Button130,
                   [this](int p) { Button130->setVisible(editors::OpeningTimeWarning(p)); });
  QObject::connect(Button130, &QPushButton::clicked, ctx.frame, [] {
    ui::Dialogs::Instance().Message("NG warning", editors::kOpeningWarningText, ui::Ok, ui::Icon::Warning);
  });

  // Voice compressor and its graph.
  QObject::connect(CheckBox108, &QCheckBox::toggled, ctx.frame, [c] { editors::VoiceCompressorClicked(*c); });
  for (QScrollBar* bar : {ScrollBar39, ScrollBar40, ScrollBar41, ScrollBar42, ScrollBar43}) {
    const std::string name = bar->objectName().toStdString();
    QObject::connect(bar, &QScrollBar::valueChanged, ctx.frame, [c, name] {
      editors::VoiceCompressorBarChanged(*c, name, [] {
        if (Form11) Form11->Redraw();
      });
    });
  }
  QObject::connect(Button103, &QPushButton::clicked, ctx.frame, [] {
    if (Form11 && !Form11->isVisible()) Form11->show();
  });

  // Live status.
  BindStatusButton(Button93, ctx.Timer1);
  BindStatusButton(Button104, ctx.Timer1);
  QWidget* page = TabSheet11;
  auto onPage = [page] {
    auto* pages = qobject_cast<QTabWidget*>(page->parentWidget() ? page->parentWidget()->parentWidget() : nullptr);
    return pages && pages->currentWidget() == page;
  };
  QPushButton* gateButton = Button93;
  QPushButton* compButton = Button104;
  ctx.statusPolls.push_back({1, [c, onPage, gateButton] {
                               if (onPage() && gateButton->text() == kStop) editors::PollDlNoiseGate(*c);
                             }});
  ctx.statusPolls.push_back({2, [c, onPage, compButton] {
                               if (onPage() && compButton->text() == kStop) editors::PollVoiceCompressor(*c);
                             }});

  BindMemoButtons(ctx, DlDynSendToMemoButton, DlDynGetFromMemoButton, {&editors::AgcParMemo()});
}

}  // namespace vt::frame
