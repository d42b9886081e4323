// The "Test" page.
#include "frame/tabs/Test.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "common/gui/Dialogs.h"
#include "editors/Test.h"
#include "frame/tabs/EditorSignals.h"
#include "handset/HandsetState.h"

namespace vt::frame {

void TestTab::BuildTest(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Test.def"
#include "frame/RowsEnd.h"
}

namespace {
// Runs a "Test" handler; a "DAI clock" that is not a number is shown, and
// nothing was sent.
template <class F>
void ShowingClockError(F handler) {
  if (auto error = handler()) ui::Dialogs::Instance().Error(QString::fromStdString(*error));
}
}  // namespace

void TestTab::SetupTest(TabContext& ctx) {
  Edit1->setFixedWidth(90);
  WidgetControls* controls = &ctx.controls;
  OnToggled(ctx, "CheckBox47", [controls] {
    ShowingClockError([&] { return editors::TestControlClicked(*controls); });
  });
  auto changed = [controls] {
    ShowingClockError([&] { return editors::TestConfigChanged(*controls); });
  };
  OnValue(ctx, "ComboBox1", changed);
  OnToggled(ctx, "CheckBox48", changed);
  OnToggled(ctx, "CheckBox49", changed);
  QObject::connect(Button64, &QPushButton::clicked, ctx.frame, [controls] {
    ShowingClockError([&] { return editors::DaiClockUpdate(*controls); });
  });
  QObject::connect(Button2, &QPushButton::clicked, ctx.frame, [] { editors::InitDas(ChipType()); });
}

}  // namespace vt::frame
