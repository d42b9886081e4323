// The "codec input" page.
#include "frame/tabs/CodecInput.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/CodecInput.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void CodecInputTab::BuildCodecInput(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/CodecInput.def"
#include "frame/RowsEnd.h"
}

void CodecInputTab::SetupCodecInput(TabContext& ctx) {
  BindReadBackButton(ctx, CodecInputQ7xxToMemoButton, {"CODEC_INPUT"});
  ReserveValueWidth(Label21, "-6dB");
  ReserveValueWidth(Label25, "20dB");
  ReserveValueWidth(Label26, "Total: 50dB");
  BindCodecGain(ctx, editors::CodecInputGainSection());
  BindSections(ctx, editors::CodecInputSections());
  BindLabels(ctx, editors::CodecInputLabels());
  BindMemoButtons(ctx, CodecInputSendToMemoButton, CodecInputGetFromMemoButton,
                  {&editors::CodecInputMemo()});
}

}  // namespace vt::frame
