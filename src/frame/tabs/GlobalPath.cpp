// The "Global path adj" page.
#include "frame/tabs/GlobalPath.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/GlobalPath.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void GlobalPathTab::BuildGlobalPath(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/GlobalPath.def"
#include "frame/RowsEnd.h"
}

void GlobalPathTab::SetupGlobalPath(TabContext& ctx) {
  BindReadBackButton(ctx, GlobalPathQ7xxToMemoButton, {"GLOBAL_PATH"});
  // Q15 and Q12 words over the whole range: long bars for a usable resolution.
  for (TScrollBar* bar : {ScrollBar12, ScrollBar14, ScrollBar15, ScrollBar16, ScrollBar17,
                          ScrollBar18, ScrollBar26, ScrollBar27})
    bar->setMinimumWidth(220);
  for (QLabel* l : {Label27, Label33, Label34, Label44}) ReserveValueWidth(l, "-72.24 dB");
  for (QLabel* l : {Label30, Label31}) ReserveValueWidth(l, "1949.99 Hz");
  ReserveValueWidth(Label32, "32767");
  ReserveValueWidth(Label46, "30 ms");
  BindSections(ctx, editors::GlobalPathSections());
  BindLabelsOnChange(ctx, editors::GlobalPathLabels());
  BindMemoButtons(ctx, GlobalPathSendToMemoButton, GlobalPathGetFromMemoButton,
                  {&editors::GlobalPathMemo()});
}

}  // namespace vt::frame
