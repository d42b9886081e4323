// The "UL Dyn treatment" page.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include "frame/tabs/UlDyn.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void UlDynTab::BuildUlDyn(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/UlDyn.def"
#include "frame/RowsEnd.h"
}

void UlDynTab::SetupUlDyn(TabContext& ctx) {
  MakeFrameless(UlDynLeftColumn);
  MakeFrameless(UlDynNoiseColumn);
  PutScaleUnder(ScrollBar55, {UlNgFilteredLabel, UlNgPassingLabel});
  PutScaleUnder(ScrollBar56, {UlNgSoftLabel, UlNgHardLabel});
  PutScaleUnder(ScrollBar54, {UlNgHighLabel, UlNgLowLabel});
  for (TTrackBar* bar : {TrackBar12, TrackBar13}) bar->setMinimumWidth(200);
  PutScaleUnder(TrackBar12, {UlNgNoVoiceLabel, UlNgVoiceLabel});
  PutScaleUnder(TrackBar13, {UlNgClosedLabel, UlNgOpenLabel});
}

}  // namespace vt::frame
