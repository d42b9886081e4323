// The "codec config" page.
#include "frame/tabs/CodecConfig.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void CodecConfigTab::BuildCodecConfig(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/CodecConfig.def"
#include "frame/RowsEnd.h"
}

void CodecConfigTab::SetupCodecConfig(TabContext& ctx) {}

}  // namespace vt::frame
