// The "Delays" page.
#include "frame/tabs/Delays.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/Delays.h"

namespace vt::frame {

void DelaysTab::BuildDelays(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Delays.def"
#include "frame/RowsEnd.h"
}

void DelaysTab::SetupDelays(TabContext& ctx) {
  BindReadBackButton(ctx, DelaysQ7xxToMemoButton, {"DELAY"});
  for (TScrollBar* bar : {ScrollBar23, ScrollBar24}) bar->setMinimumWidth(220);
  for (QLabel* l : {Label39, Label40}) ReserveValueWidth(l, "19.875ms");
  BindSections(ctx, editors::DelaysSections());
  BindLabels(ctx, editors::DelaysLabels());
  BindMemoButtons(ctx, DelaysSendToMemoButton, DelaysGetFromMemoButton, {&editors::DelayMemo()});
}

}  // namespace vt::frame
