// The "Music treatment" page.
#include <QCheckBox>
#include <QScrollBar>

#include "frame/tabs/Music.h"
#include "frame/Controls.h"
#include "frame/WidgetControls.h"
#include "editors/Music.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void MusicTab::BuildMusic(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Music.def"
#include "frame/RowsEnd.h"
}

void MusicTab::SetupMusic(TabContext& ctx) {
  BindReadBackButton(ctx, Button109, {"MUSIC_TRT"});
  for (TGroupBox* column :
       {MusicClearLiftColumn, MusicEnhancerColumn, MusicMixerColumn, MusicMemoColumn})
    MakeFrameless(column);
  PutScaleUnder(ScrollBar47, {MusicGenerationLowLabel, MusicGenerationHighLabel});
  PutScaleUnder(ScrollBar48, {MusicFilteringLowLabel, MusicFilteringHighLabel});
  PutScaleUnder(ScrollBar46, {MusicPresenceDryLabel, MusicPresenceWetLabel});

  WidgetControls* c = &ctx.controls;
  BindLabelsOnChange(ctx, editors::MusicLabels());
  QObject::connect(CheckBox111, &QCheckBox::toggled, ctx.frame, [c] { editors::ClearLiftClicked(*c); });
  QObject::connect(CheckBox112, &QCheckBox::toggled, ctx.frame, [c] { editors::ClearLiftEnableChanged(*c); });
  QObject::connect(ScrollBar44, &QScrollBar::valueChanged, ctx.frame, [c] { editors::ClearLiftBoostChanged(*c); });
  QObject::connect(ScrollBar45, &QScrollBar::valueChanged, ctx.frame,
                   [c] { editors::ClearLiftGranularityChanged(*c); });
  QObject::connect(ScrollBar66, &QScrollBar::valueChanged, ctx.frame, [c] { editors::MusicHarmonizerChanged(*c); });
  QObject::connect(CheckBox113, &QCheckBox::toggled, ctx.frame, [c] { editors::EnhancerClicked(*c); });
  for (QScrollBar* bar : {ScrollBar46, ScrollBar47, ScrollBar48})
    QObject::connect(bar, &QScrollBar::valueChanged, ctx.frame, [c] { editors::EnhancerChanged(*c); });
  QObject::connect(CheckBox114, &QCheckBox::toggled, ctx.frame, [c] { editors::MixerClicked(*c); });
  for (QScrollBar* bar : {ScrollBar50, ScrollBar51})
    QObject::connect(bar, &QScrollBar::valueChanged, ctx.frame, [c] { editors::MixerChanged(*c); });
  BindMemoButtons(ctx, Button107, Button108, {&editors::MusicTrtMemo()});
}

}  // namespace vt::frame
