// The "Echo canceller" page.
#include "frame/tabs/EchoCanceller.h"

#include "frame/Builder.h"
#include "frame/Layout.h"
#include "frame/TabContext.h"
#include "frame/ToolWindows.h"
#include "frame/WidgetControls.h"
#include "frame/tabs/ParamListBinding.h"
#include "editors/EchoCanceller.h"

namespace vt::frame {

namespace {
// Word order of parameter block 16 (and 125 for the last two rows of the
// Q710/2 list), with the designed values.
const std::vector<std::string> kEcRowsQ711 = {
    "L=0x0100",          "P=0x0001",          "Mu=0x7333",         "Delta(MSB)=0x0003",
    "Delta(LSB)=0xD090", "TauAr=0x7333",      "TauAd=0x7D71",      "L0=0x0200",
    "TauCr=0x0032",      "TauBr=0x028F",      "TauBd=0x0CCD",      "L_FarEnd=0x0140",
    "L_Residual1=0x0140", "L_Residual2=0x0CCD", "L_Cxd1=0x799A",     "L_Cxd2=0x7333",
    "L_Cxd3=0x6CCD",     "L_Cxd4=0x6666",     "L_Cfe1=0x3CCD",     "L_Cfe2=0x3333",
    "Mu1=0x4000",        "Mu2=0x2000",        "Mu3=0x051F",        "CfeTau1=0x7D71",
    "CfeTau2=0x7FDF",    "Cfe_L0=0x0200",     "Cfe_L1=0x3000",     "Cxd_Tau1=0x799A",
    "FE_SpeechDelay=0x007D", "Holdoff=0x012C", "Cxd_Tau2=0x7EB8",  "Cxd_L1=0x4CCD",
    "Cxd_L2=0x6666",     "NFGamma1=0x0180",   "NFGamma2=0x0180",   "NFp=0x7333",
    "CxdDelta1=0x0148",  "CxdDelta2=0x00C5",  "L_Cxd5=0x8000"};

const std::vector<std::string> kEcRowsQ710 = {
    "L=0x0100",          "P=0x0002",          "Delta(MSB)=0x0003", "Delta(LSB)=0xD090",
    "Mu=0x7333",         "Mu1=0x4000",        "Mu2=0x2000",        "Mu3=0x051F",
    "FE_SpeechDelay=0x0080", "TauAr=0x7333",  "TauAd=0x7D71",      "L0=0x0100",
    "TauCr=0x0021",      "TauBr=0x00CD",      "TauBd=0x0CCD",      "L_FarEnd=0x0140",
    "L_Residual1=0x0140", "L_Residual2=0x0CCD", "L_Cxd1=0x199A",     "L_Cxd2=0x1333",
    "L_Cxd3=0x0CCD",     "L_Cxd4=0x0666",     "L_Cxd5=0x0666",     "L_Cfe1=0x3CCD",
    "L_Cfe2=0x3333",     "Holdoff=0x0000",    "CfeTau1=0x7D71",    "CfeTau2=0x7FDF",
    "Cfe_L0=0x0200",     "Cfe_L1=0x3000",     "Env_Tau1=0x4268",   "Env_Tau2=0x4F5C",
    "Env_Tau3=0x7E14",   "Env_Tau4=0x7FD8",   "Env_PeakL1=0x00C8", "Env_PeakL2=0x0032",
    "NFGamma1=0x0180",   "NFGamma2=0x0180",   "NFp=0x7333",        "Energy(MSB)=0x0000",
    "Energy(LSB)=0x0000"};
}  // namespace

void EchoCancellerTab::BuildEchoCanceller(Builder& b, QTabWidget* PageControl1, QWidget* MemoStrip) {
#include "frame/RowBuild.h"
#include "frame/tabs/EchoCanceller.def"
#include "frame/RowsEnd.h"
}

void EchoCancellerTab::SetupEchoCanceller(TabContext& ctx) {
  BindReadBackButton(ctx, EchoCancellerQ7xxToMemoButton, {"EC"});
  ValueListEditor4->SetStrings(kEcRowsQ711);
  ValueListEditor9->SetStrings(kEcRowsQ710);
  for (TValueListEditor* list : {ValueListEditor4, ValueListEditor9}) FitList(list, 120, 340);
  for (TTrackBar* bar : {TrackBar14, TrackBar16, TrackBar17}) bar->setMinimumWidth(240);
  PutScaleUnder(TrackBar14, {EcIccSpeedLowLabel, EcIccSpeedHighLabel});
  PutScaleUnder(TrackBar16, {EcIccTimeOutMark0, EcIccTimeOutMark1, EcIccTimeOutMark2,
                             EcIccTimeOutMark3, EcIccTimeOutMark4});

  QWidget* frame = ctx.frame;
  WidgetControls* controls = &ctx.controls;
  auto state = ctx.state;
  OnListChange(CheckBox18, frame,
               [controls, state] { return editors::EcSectionClicked(*controls, state()); });
  // While the wizard runs, only the rows it changed go out.
  OnListChange(Button5, frame, [this, controls, state] {
    const editors::FrameState s = state();
    return editors::EcSend(*controls, s, s.wizardBusy ? &EcKeptRows : nullptr);
  });
  for (TTrackBar* bar : {TrackBar14, TrackBar16, TrackBar17})
    OnListChange(bar, frame, [controls] {
      editors::EcAcceleratorSend(*controls);
      return std::string();
    });
  BindListMemoButtons(ctx, EchoCancellerSendToMemoButton, EchoCancellerGetFromMemoButton,
                      {&editors::EcMemo()});
  EnableRowPaste(ctx, ValueListEditor4);
  EnableRowPaste(ctx, ValueListEditor9);
  QObject::connect(Button67, &QPushButton::clicked, ctx.frame, [] {
    if (Form3) Form3->Open();
  });
}

}  // namespace vt::frame
