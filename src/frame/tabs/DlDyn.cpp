// The "DL Dyn treatment" page.
#include <QGridLayout>

#include "frame/tabs/DlDyn.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void DlDynTab::BuildDlDyn(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/DlDyn.def"
#include "frame/RowsEnd.h"
}

void DlDynTab::SetupDlDyn(TabContext& ctx) {
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
}

}  // namespace vt::frame
