// The "UL Dyn treatment" page.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "frame/tabs/UlDyn.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/tabs/EditorSignals.h"
#include "frame/Controls.h"
#include "frame/WidgetControls.h"
#include "common/gui/Dialogs.h"
#include "editors/NoiseGate.h"
#include "editors/UlDyn.h"

namespace vt::frame {

void UlDynTab::BuildUlDyn(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/UlDyn.def"
#include "frame/RowsEnd.h"
}

void UlDynTab::SetupUlDyn(TabContext& ctx) {
  BindReadBackButton(ctx, UlDynQ7xxToMemoButton, {"UL_AGC_PAR"});
  MakeFrameless(UlDynLeftColumn);
  MakeFrameless(UlDynNoiseColumn);
  PutScaleUnder(ScrollBar55, {UlNgFilteredLabel, UlNgPassingLabel});
  PutScaleUnder(ScrollBar56, {UlNgSoftLabel, UlNgHardLabel});
  PutScaleUnder(ScrollBar54, {UlNgHighLabel, UlNgLowLabel});
  for (TTrackBar* bar : {TrackBar12, TrackBar13}) bar->setMinimumWidth(200);
  PutScaleUnder(TrackBar12, {UlNgNoVoiceLabel, UlNgVoiceLabel});
  PutScaleUnder(TrackBar13, {UlNgClosedLabel, UlNgOpenLabel});

  BindLabelsOnChange(ctx, editors::UlDynLabels());
  BindSections(ctx, editors::UlDynSections());
  WidgetControls* c = &ctx.controls;
  QObject::connect(ScrollBar64, &QScrollBar::valueChanged, ctx.frame,
                   [c] { editors::SectionMemberChanged(editors::UlHarmonizerBar(), *c); });
  QObject::connect(CheckBox118, &QCheckBox::toggled, ctx.frame,
                   [c] { editors::UlNoiseGateClicked(*c); });
  QObject::connect(CheckBox119, &QCheckBox::toggled, ctx.frame, [c] { editors::UlNoiseGateSend(*c); });
  for (QScrollBar* bar : {ScrollBar13, ScrollBar52, ScrollBar53, ScrollBar54, ScrollBar55,
                          ScrollBar56, ScrollBar57, ScrollBar58, ScrollBar59, ScrollBar60})
    QObject::connect(bar, &QScrollBar::valueChanged, ctx.frame, [c] { editors::UlNoiseGateSend(*c); });
  QObject::connect(ScrollBar53, &QScrollBar::valueChanged, Button54,
                   [this](int p) { Button54->setVisible(editors::OpeningTimeWarning(p)); });
  QObject::connect(Button54, &QPushButton::clicked, ctx.frame, [] {
    ui::Dialogs::Instance().Message("NG warning", editors::kOpeningWarningText, ui::Ok, ui::Icon::Warning);
  });
  // The uplink's status button runs the downlink one's handler.
  QPushButton* dlStatus = qobject_cast<QPushButton*>(c->Widget("Button93"));
  if (dlStatus) QObject::connect(Button50, &QPushButton::clicked, dlStatus, &QPushButton::click);
  BindMemoButtons(ctx, UlDynSendToMemoButton, UlDynGetFromMemoButton, {&editors::UlAgcParMemo()});
}

}  // namespace vt::frame
