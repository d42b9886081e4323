// The "DL Dyn treatment" page.
#include <QGridLayout>

#include "frame/TFrame1.h"

namespace vt::frame {

void TFrame1::SetupDlDyn() {
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
