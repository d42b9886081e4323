// The "codec misc" page.
#include "frame/tabs/CodecMisc.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/CodecMisc.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void CodecMiscTab::BuildCodecMisc(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/CodecMisc.def"
#include "frame/RowsEnd.h"
}

void CodecMiscTab::SetupCodecMisc(TabContext& ctx) {
  BindReadBackButton(ctx, CodecMiscQ7xxToMemoButton, {"CODEC_MISC"});
  ReserveValueWidth(Label43, "99");
  BindCodecGain(ctx, editors::CodecMiscGainSection());
  BindSections(ctx, editors::CodecMiscSections());
  BindLabels(ctx, editors::CodecMiscLabels());
  BindMemoButtons(ctx, CodecMiscSendToMemoButton, CodecMiscGetFromMemoButton,
                  {&editors::CodecMiscMemo()});
}

}  // namespace vt::frame
