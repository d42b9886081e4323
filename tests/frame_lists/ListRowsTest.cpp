// The designed rows of the parameter lists, as the handset's word order has
// them, with the column titles of every list.
#include <gtest/gtest.h>

#include <QHeaderView>

#include "tests/support/FrameFixture.h"

namespace vt::testing {
namespace {

using Rows = std::vector<std::string>;

frame::TValueListEditor* List(const char* name) {
  return Find<frame::TValueListEditor>(name);
}

TEST(ListRows, EchoCancellerListsOfBothChipTypes) {
  const Rows q711 = {
      "L=0x0100",           "P=0x0001",           "Mu=0x7333",         "Delta(MSB)=0x0003",
      "Delta(LSB)=0xD090",  "TauAr=0x7333",       "TauAd=0x7D71",      "L0=0x0200",
      "TauCr=0x0032",       "TauBr=0x028F",       "TauBd=0x0CCD",      "L_FarEnd=0x0140",
      "L_Residual1=0x0140", "L_Residual2=0x0CCD", "L_Cxd1=0x799A",     "L_Cxd2=0x7333",
      "L_Cxd3=0x6CCD",      "L_Cxd4=0x6666",      "L_Cfe1=0x3CCD",     "L_Cfe2=0x3333",
      "Mu1=0x4000",         "Mu2=0x2000",         "Mu3=0x051F",        "CfeTau1=0x7D71",
      "CfeTau2=0x7FDF",     "Cfe_L0=0x0200",      "Cfe_L1=0x3000",     "Cxd_Tau1=0x799A",
      "FE_SpeechDelay=0x007D", "Holdoff=0x012C",  "Cxd_Tau2=0x7EB8",   "Cxd_L1=0x4CCD",
      "Cxd_L2=0x6666",      "NFGamma1=0x0180",    "NFGamma2=0x0180",   "NFp=0x7333",
      "CxdDelta1=0x0148",   "CxdDelta2=0x00C5",   "L_Cxd5=0x8000"};
  ASSERT_EQ(q711.size(), 39u);
  EXPECT_EQ(List("ValueListEditor4")->Strings(), q711);

  const Rows q710 = {
      "L=0x0100",           "P=0x0002",           "Delta(MSB)=0x0003", "Delta(LSB)=0xD090",
      "Mu=0x7333",          "Mu1=0x4000",         "Mu2=0x2000",        "Mu3=0x051F",
      "FE_SpeechDelay=0x0080", "TauAr=0x7333",    "TauAd=0x7D71",      "L0=0x0100",
      "TauCr=0x0021",       "TauBr=0x00CD",       "TauBd=0x0CCD",      "L_FarEnd=0x0140",
      "L_Residual1=0x0140", "L_Residual2=0x0CCD", "L_Cxd1=0x199A",     "L_Cxd2=0x1333",
      "L_Cxd3=0x0CCD",      "L_Cxd4=0x0666",      "L_Cxd5=0x0666",     "L_Cfe1=0x3CCD",
      "L_Cfe2=0x3333",      "Holdoff=0x0000",     "CfeTau1=0x7D71",    "CfeTau2=0x7FDF",
      "Cfe_L0=0x0200",      "Cfe_L1=0x3000",      "Env_Tau1=0x4268",   "Env_Tau2=0x4F5C",
      "Env_Tau3=0x7E14",    "Env_Tau4=0x7FD8",    "Env_PeakL1=0x00C8", "Env_PeakL2=0x0032",
      "NFGamma1=0x0180",    "NFGamma2=0x0180",    "NFp=0x7333",        "Energy(MSB)=0x0000",
      "Energy(LSB)=0x0000"};
  ASSERT_EQ(q710.size(), 41u);
  EXPECT_EQ(List("ValueListEditor9")->Strings(), q710);
}

TEST(ListRows, SuppressorAndSelectiveListsOfTheirPages) {
  EXPECT_EQ(List("ValueListEditor5")->Strings(),
            (Rows{"UL_Gmin=0x0148", "UL_TauR=0x4100", "UL_TauD=0x7FBE", "DL_Gmin=0x0148",
                  "DL_TauR=0x4100", "DL_TauD=0x7FBE"}));
  const Rows ns = {"Alpha=0x0148", "Ln=0x7333",    "K=0x6000",    "TauR=0x7EB8",
                   "TauD=0x4000",  "Lamda=0x0200", "TauF=0x6000"};
  EXPECT_EQ(List("ValueListEditor6")->Strings(), ns);
  EXPECT_EQ(List("ValueListEditor10")->Strings(), ns);
  EXPECT_EQ(List("ValueListEditor8")->Strings(),
            (Rows{"Point_1_bin=63", "Point_1_gain=4096", "Point_2_bin=0", "Point_2_gain=0",
                  "Point_3_bin=0", "Point_3_gain=0", "Point_4_bin=0", "Point_4_gain=0"}));
}

TEST(ListRows, FilterCoefficientListsAreFlat) {
  for (const char* name : {"ValueListEditor1", "ValueListEditor2"}) {
    SCOPED_TRACE(name);
    frame::TValueListEditor* fir = List(name);
    ASSERT_EQ(fir->RowCount(), 33);
    for (int row = 1; row <= 32; ++row) {
      EXPECT_EQ(fir->Key(row), "a" + std::to_string(row - 1));
      EXPECT_EQ(fir->Value(row), row == 16 ? "0x7FFF" : "0x0000");
    }
    EXPECT_EQ(fir->Key(33), "gain");
    EXPECT_EQ(fir->Value(33), "0x1000");
  }
  const Rows stage = {"a0=16384", "a1=-18353", "a2=5140", "b1=-18353", "b2=5140"};
  auto biquads = [&](int n) {
    Rows rows;
    for (int f = 1; f <= n; ++f)
      for (const std::string& c : stage) rows.push_back("F" + std::to_string(f) + c);
    return rows;
  };
  EXPECT_EQ(List("ValueListEditor7")->Strings(), biquads(2));   // DL IIR
  EXPECT_EQ(List("ValueListEditor3")->Strings(), biquads(4));   // UL IIR
  EXPECT_EQ(List("ValueListEditor3")->Strings()[5], "F2a0=16384");
}

TEST(ListRows, EveryListShowsKeysAndValuesUnderTheirTitles) {
  for (int i = 1; i <= 10; ++i) {
    const std::string name = "ValueListEditor" + std::to_string(i);
    SCOPED_TRACE(name);
    frame::TValueListEditor* list = List(name.c_str());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), "Coeff");
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "Value");
    // The key column is wide enough for the longest key of the list.
    int widest = 0;
    for (int row = 1; row <= list->RowCount(); ++row) {
      QString key = QString::fromStdString(list->Key(row));
      widest = std::max(widest, list->fontMetrics().horizontalAdvance(key));
    }
    EXPECT_GE(list->horizontalHeader()->sectionSize(0), widest + 6);
  }
}

}  // namespace
}  // namespace vt::testing
