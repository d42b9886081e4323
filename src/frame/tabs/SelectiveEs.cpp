// The "Selective echo supp" page.
#include "frame/tabs/SelectiveEs.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/Module.h"
#include "frame/TabContext.h"
#include "frame/ToolWindows.h"
#include "frame/WidgetControls.h"
#include "frame/tabs/ParamListBinding.h"
#include "editors/SelectiveEs.h"
#include "handset/HandsetState.h"

namespace vt::frame {

void SelectiveEsTab::BuildSelectiveEs(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/SelectiveEs.def"
#include "frame/RowsEnd.h"
}

void SelectiveEsTab::SetupSelectiveEs(TabContext& ctx) {
  BindReadBackButton(ctx, Button101, {"SEL_ES"});
  // Four (bin, gain) points; the designed curve is flat: one point at bin 63, gain 1.0 (Q12).
  ValueListEditor8->SetStrings({"Point_1_bin=63", "Point_1_gain=4096", "Point_2_bin=0",
                                "Point_2_gain=0", "Point_3_bin=0", "Point_3_gain=0",
                                "Point_4_bin=0", "Point_4_gain=0"});
  FitList(ValueListEditor8, 100, 0);
  for (TScrollBar* bar : {ScrollBar61, ScrollBar62, ScrollBar63}) bar->setMinimumWidth(160);
  TrackBar15->setMinimumWidth(220);
  MakeFrameless(SelEsDynColumn);
  PutScaleUnder(TrackBar15, {SelEsStatusLowLabel, SelEsStatusHighLabel});

  WidgetControls* controls = &ctx.controls;
  auto update = [controls] {
    return editors::SelEsUpdate(*controls, ChipType(), hasDynamicSelectiveEs);
  };
  OnListChange(Button97, ctx.frame, update);
  OnListChange(CheckBox98, ctx.frame, update);
  OnListChange(CheckBox96, ctx.frame, [controls] {
    return editors::SelEsSectionClicked(*controls, ChipType(), hasDynamicSelectiveEs);
  });
  for (QWidget* w : std::initializer_list<QWidget*>{CheckBox120, ScrollBar61, ScrollBar62,
                                                    ScrollBar63, RadioButton3, RadioButton36})
    OnListChange(w, ctx.frame, [controls] {
      editors::SelEsDynamicChanged(*controls);
      return std::string();
    });
  BindListMemoButtons(ctx, Button98, Button99, {&editors::SelEsMemo()});

  // Live modulation level: the button starts and stops the frame's status
  // timer, whose third step reads it while this page is on screen.
  static constexpr const char* kStart = "Start getting status";
  static constexpr const char* kStop = "Stop getting status";
  QPushButton* status = Button56;
  QTimer* timer = ctx.Timer1;
  QObject::connect(status, &QPushButton::clicked, ctx.frame, [status, timer] {
    const bool start = status->text() == kStart;
    status->setText(start ? kStop : kStart);
    if (!start) return timer->stop();
    timer->setInterval(100);
    timer->start();
  });
  QWidget* page = TabSheet18;
  QWidget* frame = ctx.frame;
  ctx.statusPolls.push_back({3, [controls, page, frame, status] {
                               auto* pages = frame->findChild<QTabWidget*>("PageControl1");
                               if (pages && pages->currentWidget() == page &&
                                   status->text() == kStop)
                                 editors::PollSelectiveEs(*controls);
                             }});
  QObject::connect(Button102, &QPushButton::clicked, ctx.frame, [] {
    if (Form10) Form10->Open();
  });
  EnableRowPaste(ctx, ValueListEditor8);
}

}  // namespace vt::frame
