// The "PCM port" page.
#include "frame/tabs/PcmPort.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/PcmPort.h"

namespace vt::frame {

void PcmPortTab::BuildPcmPort(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/PcmPort.def"
#include "frame/RowsEnd.h"
}

void PcmPortTab::SetupPcmPort(TabContext& ctx) {
  BindReadBackButton(ctx, PcmPortQ7xxToMemoButton, {"PCM_PORT"});
  for (TScrollBar* bar : {ScrollBar28, ScrollBar29}) bar->setMinimumWidth(180);
  for (QLabel* l : {Label48, Label49}) ReserveValueWidth(l, "1000000Hz");
  BindLabels(ctx, editors::PcmPortLabels());
  BindSections(ctx, editors::PcmPortSections());
  BindMemoButtons(ctx, PcmPortSendToMemoButton, PcmPortGetFromMemoButton,
                  {&editors::PcmPortMemo()});
}

}  // namespace vt::frame
