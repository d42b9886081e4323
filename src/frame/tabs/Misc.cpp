// The "Misc" page: the tone generator.
#include "frame/tabs/Misc.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "editors/Tone.h"
#include "frame/tabs/EditorSignals.h"

namespace vt::frame {

void MiscTab::BuildMisc(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Misc.def"
#include "frame/RowsEnd.h"
}

void MiscTab::SetupMisc(TabContext& ctx) {
  for (TScrollBar* bar : {ScrollBar2, ScrollBar4, ScrollBar6, ScrollBar8})
    bar->setMinimumWidth(200);
  for (QLabel* l : {Tone1FreqLabel, Tone2FreqLabel, Tone3FreqLabel, Tone4FreqLabel})
    ReserveValueWidth(l, "4000Hz");
  for (QLabel* l : {Tone1AmpLabel, Tone2AmpLabel, Tone3AmpLabel, Tone4AmpLabel})
    ReserveValueWidth(l, "100%");
  WidgetControls* controls = &ctx.controls;
  BindLabels(ctx, editors::ToneLabels());
  OnToggled(ctx, "CheckBox1", [controls] { editors::ToneClicked(*controls); });
  for (const std::string& bar : editors::ToneBars())
    OnValue(ctx, bar, [controls, bar] { editors::ToneBarChanged(bar, *controls); });
}

}  // namespace vt::frame
