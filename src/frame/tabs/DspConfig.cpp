// The "DSP config" page.
#include "frame/tabs/DspConfig.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/DspConfig.h"

namespace vt::frame {

void DspConfigTab::BuildDspConfig(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/DspConfig.def"
#include "frame/RowsEnd.h"
}

void DspConfigTab::SetupDspConfig(TabContext& ctx) {
  BindReadBackButton(ctx, DspConfigQ7xxToMemoButton, {"DSP_CONF"});
  BindSections(ctx, editors::DspConfigSections());
  BindMemoButtons(ctx, DspConfigSendToMemoButton, DspConfigGetFromMemoButton,
                  {&editors::DspConfMemo()});
}

}  // namespace vt::frame
