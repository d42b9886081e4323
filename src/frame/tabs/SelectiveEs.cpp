// The "Selective echo supp" page.
#include "frame/tabs/SelectiveEs.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void SelectiveEsTab::BuildSelectiveEs(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/SelectiveEs.def"
#include "frame/RowsEnd.h"
}

void SelectiveEsTab::SetupSelectiveEs(TabContext& ctx) {
  // Four (bin, gain) points; the designed curve is flat: one point at bin 63, gain 1.0 (Q12).
  ValueListEditor8->SetStrings({"Point_1_bin=63", "Point_1_gain=4096", "Point_2_bin=0",
                                "Point_2_gain=0", "Point_3_bin=0", "Point_3_gain=0",
                                "Point_4_bin=0", "Point_4_gain=0"});
  FitList(ValueListEditor8, 100, 0);
  for (TScrollBar* bar : {ScrollBar61, ScrollBar62, ScrollBar63}) bar->setMinimumWidth(160);
  TrackBar15->setMinimumWidth(220);
  MakeFrameless(SelEsDynColumn);
  PutScaleUnder(TrackBar15, {SelEsStatusLowLabel, SelEsStatusHighLabel});
}

}  // namespace vt::frame
