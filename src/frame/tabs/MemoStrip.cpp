// The strip below the pages.
#include "frame/tabs/MemoStrip.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/Version.h"

namespace vt::frame {

void MemoStripTab::BuildMemoStrip(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/MemoStrip.def"
#include "frame/RowsEnd.h"
}

void MemoStripTab::SetupMemoStrip(TabContext& ctx) {}

}  // namespace vt::frame
