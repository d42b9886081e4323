// The "Filters" page.
#include "frame/tabs/Filters.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/tabs/ParamListBinding.h"
#include "handset/HandsetState.h"

namespace vt::frame {

namespace {
// A flat 32-word FIR: a unit tap at a15, gain 1.0 (Q12).
std::vector<std::string> FlatFirRows() {
  std::vector<std::string> rows;
  for (int i = 0; i < 32; ++i)
    rows.push_back("a" + std::to_string(i) + (i == 15 ? "=0x7FFF" : "=0x0000"));
  rows.push_back("gain=0x1000");
  return rows;
}

// `stages` biquads F1.., each a0, a1, a2, b1, b2 with the designed values.
std::vector<std::string> IirRows(int stages) {
  static const char* const kCoeff[] = {"a0=16384", "a1=-18353", "a2=5140", "b1=-18353",
                                       "b2=5140"};
  std::vector<std::string> rows;
  for (int f = 1; f <= stages; ++f)
    for (const char* c : kCoeff) rows.push_back("F" + std::to_string(f) + c);
  return rows;
}
}  // namespace

void FiltersTab::BuildFilters(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/Filters.def"
#include "frame/RowsEnd.h"
}

void FiltersTab::SetupFilters(TabContext& ctx) {
  BindReadBackButton(ctx, FiltersQ7xxToMemoButton, {"DL_FIR", "DL_IIR", "UL_FIR", "UL_IIR"});
  ValueListEditor1->SetStrings(FlatFirRows());
  ValueListEditor2->SetStrings(FlatFirRows());
  ValueListEditor7->SetStrings(IirRows(2));
  ValueListEditor3->SetStrings(IirRows(4));
  // The IIR lists fill the height of the FIR lists beside them.
  for (TValueListEditor* list :
       {ValueListEditor1, ValueListEditor2, ValueListEditor3, ValueListEditor7})
    FitList(list, 70, 240);
  // The wizard buttons stand out, as in the designed form.
  for (TButton* wizard : {FiltersDlWizardButton, FiltersUlWizardButton}) {
    QFont f = wizard->font();
    f.setBold(true);
    wizard->setFont(f);
  }
  BindParamList(ctx, editors::UlFirList(), Button4);
  BindParamList(ctx, editors::DlFirList(), Button3);
  BindParamList(ctx, editors::UlIirList(), Button1);
  BindParamList(ctx, editors::DlIirList(), Button73);
  BindListMemoButtons(ctx, FiltersDlFirToMemoButton, nullptr, {&editors::DlFirMemo()});
  BindListMemoButtons(ctx, FiltersDlIirToMemoButton, nullptr, {&editors::DlIirMemo()});
  BindListMemoButtons(ctx, FiltersUlFirToMemoButton, nullptr, {&editors::UlFirMemo()});
  BindListMemoButtons(ctx, FiltersUlIirToMemoButton, nullptr, {&editors::UlIirMemo()});
  BindListMemoButtons(ctx, FiltersSendToMemoButton, FiltersGetFromMemoButton,
                      {&editors::DlFirMemo(), &editors::DlIirMemo(), &editors::UlFirMemo(),
                       &editors::UlIirMemo()});
  for (TValueListEditor* list :
       {ValueListEditor1, ValueListEditor2, ValueListEditor3, ValueListEditor7})
    EnableRowPaste(ctx, list);
  // On chip type 1 the odd lengths are marked in the last tap's row.
  for (auto [radio, length] : {std::pair{RadioButton19, "47"}, {RadioButton20, "48"}})
    QObject::connect(radio, &QAbstractButton::toggled, ctx.frame, [this, length](bool on) {
      if (on && ChipType() == 1) ValueListEditor1->SetValues("a31", length);
    });
}

}  // namespace vt::frame
