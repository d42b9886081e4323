// The "Test" page.
#include "frame/tabs/Test.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"

namespace vt::frame {

void TestTab::BuildTest(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Test.def"
#include "frame/RowsEnd.h"
}

void TestTab::SetupTest(TabContext& ctx) { Edit1->setFixedWidth(90); }

}  // namespace vt::frame
