// The "codec output" page.
#include "frame/tabs/CodecOutput.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/CodecOutput.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void CodecOutputTab::BuildCodecOutput(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/CodecOutput.def"
#include "frame/RowsEnd.h"
}

void CodecOutputTab::SetupCodecOutput(TabContext& ctx) {
  BindReadBackButton(ctx, CodecOutputQ7xxToMemoButton, {"CODEC_OUTPUT"});
  ReserveValueWidth(Label22, "99");
  BindCodecGain(ctx, editors::CodecOutputGainSection());
  BindSections(ctx, editors::CodecOutputSections());
  BindLabels(ctx, editors::CodecOutputLabels());
  BindMemoButtons(ctx, CodecOutputSendToMemoButton, CodecOutputGetFromMemoButton,
                  {&editors::CodecOutputMemo()});
}

}  // namespace vt::frame
