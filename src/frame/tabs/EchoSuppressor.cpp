// The "Echo suppressor" page.
#include "frame/tabs/EchoSuppressor.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/tabs/ParamListBinding.h"

namespace vt::frame {

void EchoSuppressorTab::BuildEchoSuppressor(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/EchoSuppressor.def"
#include "frame/RowsEnd.h"
}

void EchoSuppressorTab::SetupEchoSuppressor(TabContext& ctx) {
  BindReadBackButton(ctx, EchoSuppressorQ7xxToMemoButton, {"ES"});
  ValueListEditor5->SetStrings({"UL_Gmin=0x0148", "UL_TauR=0x4100", "UL_TauD=0x7FBE",
                                "DL_Gmin=0x0148", "DL_TauR=0x4100", "DL_TauD=0x7FBE"});
  FitList(ValueListEditor5, 90, 0);
  BindParamList(ctx, editors::EsList(), Button6);
  BindListMemoButtons(ctx, EchoSuppressorSendToMemoButton, EchoSuppressorGetFromMemoButton,
                      {&editors::EsMemo()});
  EnableRowPaste(ctx, ValueListEditor5);
}

}  // namespace vt::frame
