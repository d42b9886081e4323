// The "Noise suppressor" page.
#include "frame/tabs/NoiseSuppressor.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/WidgetControls.h"
#include "frame/tabs/ParamListBinding.h"
#include "editors/NoiseSuppressor.h"

namespace vt::frame {

void NoiseSuppressorTab::BuildNoiseSuppressor(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/NoiseSuppressor.def"
#include "frame/RowsEnd.h"
}

void NoiseSuppressorTab::SetupNoiseSuppressor(TabContext& ctx) {
  BindReadBackButton(ctx, NoiseSuppressorQ7xxToMemoButton, {"NS", "DL_NS"});
  // Word order of parameter blocks 18 (uplink) and 124 (downlink).
  const std::vector<std::string> rows = {"Alpha=0x0148", "Ln=0x7333",  "K=0x6000",
                                         "TauR=0x7EB8",  "TauD=0x4000", "Lamda=0x0200",
                                         "TauF=0x6000"};
  for (TValueListEditor* list : {ValueListEditor6, ValueListEditor10}) {
    list->SetStrings(rows);
    FitList(list, 70, 0);
  }
  for (TTrackBar* bar : {TrackBar48, TrackBar5, TrackBar6, TrackBar7, TrackBar8, TrackBar9,
                         TrackBar10, TrackBar11})
    bar->setMinimumWidth(180);
  MakeFrameless(NsUlTuneBox);
  MakeFrameless(NsDlTuneBox);
  BindParamList(ctx, editors::UlNsList(), Button7);
  BindParamList(ctx, editors::DlNsList(), Button38);
  // The bars rewrite their list only for a user's change (a bar with the focus).
  WidgetControls* controls = &ctx.controls;
  for (const editors::NsDirection* d : {&editors::UlNs(), &editors::DlNs()})
    for (const char* bar : d->bars)
      OnListChange(controls->Widget(bar), ctx.frame,
                   [d, controls] { return editors::NsBarChanged(*d, *controls); });
  BindListMemoButtons(ctx, NoiseSuppressorSendToMemoButton, NoiseSuppressorGetFromMemoButton,
                      {&editors::NsMemo(), &editors::DlNsMemo()});
  EnableRowPaste(ctx, ValueListEditor6);
  EnableRowPaste(ctx, ValueListEditor10);
}

}  // namespace vt::frame
