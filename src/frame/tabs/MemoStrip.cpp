// The strip below the pages.
#include "frame/tabs/MemoStrip.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTabWidget>

#include "common/gui/Dialogs.h"
#include "config/MemoConfig.h"
#include "editors/Catalogue.h"
#include "editors/ReadBack.h"
#include "editors/UpdateMux.h"
#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/Version.h"
#include "frame/WidgetControls.h"
#include "handset/Link.h"

namespace vt::frame {

void MemoStripTab::BuildMemoStrip(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/MemoStrip.def"
#include "frame/RowsEnd.h"
}

namespace {
void Click(WidgetControls& controls, const std::string& name) {
  if (auto* b = qobject_cast<QAbstractButton*>(controls.Widget(name))) b->click();
}
}  // namespace

void MemoStripTab::SetupMemoStrip(TabContext& ctx) {
  TabContext* c = &ctx;
  QObject::connect(SendAllToMemoButton, &QPushButton::clicked, ctx.frame, [c] {
    editors::SendAllToMemo(c->controls, c->state(), SharedMemoConfig());
  });
  QObject::connect(GetAllFromMemoButton, &QPushButton::clicked, ctx.frame, [c] {
    editors::GetAllFromMemo(SharedMemoConfig(), c->controls, c->state());
    for (const std::string& button : editors::SendsAfterGetAll()) Click(c->controls, button);
  });
  BindMemoButtons(ctx, SendMuxToMemoButton, GetMuxFromMemoButton, {&editors::MuxMemo()});
  QObject::connect(Q7xxAllToMemoButton, &QPushButton::clicked, ctx.frame,
                   [c] { RunReadBack(*c, editors::ReadBackOrder(c->state().chipType)); });
  QObject::connect(UpDateMuxButton, &QPushButton::clicked, ctx.frame, [c] {
    if (!LinkUp(Link())) {
      ui::Dialogs::Instance().Warning("The handset link is down: nothing was downloaded.");
      return;
    }
    // The tab change identifies the handset and sets the page up for it.
    if (auto* pages = c->frame->findChild<QTabWidget*>("PageControl1"))
      emit pages->currentChanged(pages->currentIndex());
    editors::RedoMarkedBlocks(c->controls, c->state(), [c](const std::string& box) {
      auto* b = qobject_cast<QAbstractButton*>(c->controls.Widget(box));
      ReportStatus("UpDate Mux: " + (b ? ui::S(b->text()) : box));
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    Click(c->controls, "Button97");  // the selective echo suppressor's "update"
    ReportStatus("UpDate Mux done");
  });
}

}  // namespace vt::frame
