// The "TTY" page.
#include "frame/tabs/Tty.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/Tty.h"

namespace vt::frame {

void TtyTab::BuildTty(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Tty.def"
#include "frame/RowsEnd.h"
}

void TtyTab::SetupTty(TabContext& ctx) { BindSections(ctx, editors::TtySections()); }

}  // namespace vt::frame
