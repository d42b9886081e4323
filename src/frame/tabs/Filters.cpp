// The "Filters" page.
#include "frame/tabs/Filters.h"

#include "common/Numbers.h"
#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/Controls.h"
#include "frame/ToolWindows.h"
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

// The words a wizard opens on: rows 1..32 of the FIR list (a0..a31), its
// "gain" row, and five rows per IIR section.
WizardWords ReadWords(TValueListEditor* fir, TValueListEditor* iir, int tapCount, int sections) {
  WizardWords w;
  w.tapCount = tapCount;
  for (int row = 1; row <= filters::kFirWordCount; ++row)
    w.fir.push_back(row <= fir->RowCount() ? StrToIntDef(fir->Value(row), 0) : 0);
  w.gain = StrToIntDef(fir->Values("gain"), 4096);
  for (int s = 0; s < sections; ++s) {
    std::array<long long, 5> c{};
    for (int i = 0; i < 5; ++i) c[size_t(i)] = StrToIntDef(iir->Value(s * 5 + i + 1), 0);
    w.iir.push_back(c);
  }
  return w;
}

// What "OK" hands back, into the lists; the DL list's a31 of a 32-word FIR
// becomes "0x0000", the UL one stays.
void WriteWords(const WizardWords& w, TValueListEditor* fir, TValueListEditor* iir, bool clearLast) {
  fir->SetValues("gain", w.unitGain ? "0x1000" : IntToStr(w.firRows.gain));
  for (auto [index, word] : w.firRows.rows) fir->SetValue(index + 1, IntToStr(word));
  if (clearLast && w.tapCount == 31) fir->SetValue(32, "0x0000");
  for (size_t s = 0; s < w.iir.size(); ++s)
    for (size_t i = 0; i < 5; ++i) iir->SetValue(int(s * 5 + i + 1), IntToStr(w.iir[s][i]));
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
  QObject::connect(FiltersDlWizardButton, &QPushButton::clicked, ctx.frame, [this] {
    if (!Form1) return;
    // "48 sym" and "64 sym" are edited as their odd lengths.
    int taps = 31;
    if (RadioButton19->isChecked() || RadioButton20->isChecked()) {
      taps = 47;
      RadioButton19->setChecked(true);
    } else if (RadioButton31->isChecked() || RadioButton32->isChecked()) {
      taps = 63;
      RadioButton31->setChecked(true);
    }
    WizardWords w = ReadWords(ValueListEditor1, ValueListEditor7, taps, 2);
    if (Form1->Edit(w)) WriteWords(w, ValueListEditor1, ValueListEditor7, true);
  });
  QObject::connect(FiltersUlWizardButton, &QPushButton::clicked, ctx.frame, [this] {
    if (!Form2) return;
    WizardWords w = ReadWords(ValueListEditor2, ValueListEditor3, 31, 4);
    if (Form2->Edit(w)) WriteWords(w, ValueListEditor2, ValueListEditor3, false);
  });
  // On chip type 1 the odd lengths are marked in the last tap's row.
  for (auto [radio, length] : {std::pair{RadioButton19, "47"}, {RadioButton20, "48"}})
    QObject::connect(radio, &QAbstractButton::toggled, ctx.frame, [this, length](bool on) {
      if (on && ChipType() == 1) ValueListEditor1->SetValues("a31", length);
    });
}

}  // namespace vt::frame
