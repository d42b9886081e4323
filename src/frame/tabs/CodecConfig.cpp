// The "codec config" page.
#include "frame/tabs/CodecConfig.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/CodecConfig.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void CodecConfigTab::BuildCodecConfig(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/CodecConfig.def"
#include "frame/RowsEnd.h"
}

void CodecConfigTab::SetupCodecConfig(TabContext& ctx) {
  BindReadBackButton(ctx, CodecConfigQ7xxToMemoButton, {"CODEC_CONF"});
  WidgetControls* controls = &ctx.controls;
  OnToggled(ctx, "CheckBox63", [controls] { editors::AudioPathClicked(*controls); });
  for (const std::string& box : editors::PathBoxes())
    OnToggled(ctx, box, [controls, box] { editors::PathBoxClicked(box, *controls); });
  OnToggled(ctx, "CheckBox115", [controls] { editors::MetallicFilterClicked(*controls); });
  BindMemoButtons(ctx, CodecConfigSendToMemoButton, CodecConfigGetFromMemoButton,
                  {&editors::CodecConfMemo()});
}

}  // namespace vt::frame
