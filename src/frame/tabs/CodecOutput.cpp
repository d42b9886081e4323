// The "codec output" page.
#include "frame/tabs/CodecOutput.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void CodecOutputTab::BuildCodecOutput(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/CodecOutput.def"
#include "frame/RowsEnd.h"
}

void CodecOutputTab::SetupCodecOutput(TabContext& ctx) { ReserveValueWidth(Label22, "99"); }

}  // namespace vt::frame
