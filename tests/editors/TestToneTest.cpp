// The "Test" tab and the tone generator against the emulated handset: the
// exact raw lines, the DAI set-up by the register read back, the fixed
// "Init DAS" sequence, and a "DAI clock" that is not a number.
#include "../handset/EmulatedHandset.h"
#include "editors/Test.h"
#include "editors/Tone.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;

namespace {

class TestAndTone : public vt::testing::EmulatedHandset {
 protected:
  void SetUp() override {
    Start(1);
    Handset().SetWrittenWord(2, 14, 0x0006);  // DSP items 0 and 1 in force: no built-in copies
    controls.SetText("Edit1", "0x0404");
    controls.SetText("ComboBox1", "Normal");
    Mark();
  }
  bool Has(const std::string& line) {
    Lines_ l = Lines();
    return std::find(l.begin(), l.end(), line) != l.end();
  }
  long Grants() {
    auto wire = Wire();
    return std::count(wire.begin(), wire.end(), "0000->Request ");
  }
  ControlMap controls;
};

TEST_F(TestAndTone, TestModesWriteDspItems0And1AndTheDaiClock) {
  controls.SetChecked("CheckBox47", true);
  EXPECT_EQ(TestControlClicked(controls), std::nullopt);
  EXPECT_TRUE(Has("bbl auwrm 4 " + std::to_string(ParamBase(15)) + " 1028")) << "0x0404";
  EXPECT_TRUE(Has("bbl auwrm 5 1 0"));  // Normal
  EXPECT_TRUE(Has("bbl auwrm 5 2 1"));
  EXPECT_EQ(Grants(), 1);
  EXPECT_EQ(ModuleUseCounts().dsp[0] + ModuleUseCounts().dsp[1] + ModuleUseCounts().param[15], 3);

  controls.SetText("ComboBox1", "VOC_loopback");
  controls.SetChecked("CheckBox49", true);
  Mark();
  EXPECT_EQ(TestConfigChanged(controls), std::nullopt);
  EXPECT_TRUE(Has("bbl auwrm 5 1 33536"));  // 0x0300 + 0x8000
  EXPECT_TRUE(Has("bbl auwrm 5 2 10"));
  EXPECT_FALSE(Has("bbl auwrm 4 " + std::to_string(ParamBase(15)) + " 1028"));
  EXPECT_EQ(ModuleUseCounts().dsp[0], 1);  // no second enable

  controls.SetChecked("CheckBox47", false);
  TestControlClicked(controls);
  EXPECT_EQ(ModuleUseCounts().dsp[0] + ModuleUseCounts().dsp[1] + ModuleUseCounts().param[15], 0);
}

TEST_F(TestAndTone, DaiModesSetUpTheInterfaceByTheAudioRegister) {
  controls.SetChecked("CheckBox47", true);
  for (auto [mode, reg, modeLine] :
       {std::tuple{"DAI", 0x0000F000u, "dbg write 0x70002050 0x00000011"},
        std::tuple{"DAI_loopback", 0x00000FFFu, "dbg write 0x70002050 0x0000000D"}}) {
    Handset().SetRegister(0x70002030, reg);
    controls.SetText("ComboBox1", mode);
    Mark();
    TestConfigChanged(controls);
    Lines_ l = Lines();
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(Lines_(l.begin(), l.begin() + 4),
              (Lines_{"dbg write 0x70002008 0x00100000", "dbg read 0x70002030", modeLine,
                      "dbg write 0x70002058 0x00000071"}))
        << mode;
  }
}

TEST_F(TestAndTone, ADaiClockThatIsNotANumberSendsNothing) {
  controls.SetText("Edit1", "0x04G4");
  controls.SetChecked("CheckBox47", true);
  EXPECT_EQ(TestControlClicked(controls), "'0x04G4' is not a valid integer value");
  EXPECT_EQ(DaiClockUpdate(controls), "'0x04G4' is not a valid integer value");
  EXPECT_TRUE(TestConfigChanged(controls).has_value());
  EXPECT_TRUE(Wire().empty());

  controls.SetText("Edit1", "1029");
  Mark();
  EXPECT_EQ(DaiClockUpdate(controls), std::nullopt);
  EXPECT_TRUE(Has("bbl auwrm 4 " + std::to_string(ParamBase(15)) + " 1029"));
}

TEST_F(TestAndTone, InitDasSendsTheCodecDefaultsAndTheChipsParameterImage) {
  for (int chip : {1, 3}) {
    Mark();
    InitDas(chip);
    Lines_ l = Lines();
    ASSERT_EQ(l.size(), 16u + 5 + 190 + 13 + 3) << chip;
    EXPECT_EQ(l[0], "bbl auwrm 6 0 32767");
    EXPECT_EQ(l[13], "bbl auwrm 6 13 124");
    EXPECT_EQ(Lines_(l.begin() + 16, l.begin() + 21),
              (Lines_{"bbl auwrm 2 15 65535", "bbl auwrm 1 0 8", "dbg wait 40", "bbl auwrm 6 0 0",
                      "bbl auwrm 1 0 0"}));
    EXPECT_EQ(l[21 + 86], chip == 1 ? "bbl auwrm 4 86 32767" : "bbl auwrm 4 86 16384");
    EXPECT_EQ(l[21 + 116], chip == 1 ? "bbl auwrm 4 116 53392" : "bbl auwrm 4 116 1000");
    EXPECT_EQ(l[21 + 189], chip == 1 ? "bbl auwrm 4 189 0" : "bbl auwrm 4 189 32702");
    EXPECT_EQ(l[211], "bbl auwrm 2 1 65535");
    EXPECT_EQ(Lines_(l.end() - 4, l.end()),
              (Lines_{"bbl auwrm 2 13 65535", "bbl auwrm 1 0 2", "dbg wait 40", "bbl auwrm 1 0 0"}));
    EXPECT_EQ(Grants(), 1);
  }
}

TEST_F(TestAndTone, ToneSendsItsWordsAndSwitchesDspItem1) {
  const int start[] = {440, 50, 880, 0, 1000, 0, 2000, 0};
  for (int i = 0; i < 8; ++i) controls.SetPosition(ToneBars()[size_t(i)], start[i]);
  controls.SetChecked("CheckBox99", true);
  controls.SetChecked("CheckBox1", true);
  ToneClicked(controls);
  Lines_ l = Lines();
  ASSERT_GE(l.size(), 12u);
  EXPECT_EQ(Lines_(l.begin(), l.begin() + 11),
            (Lines_{"bbl auwrm 3 0 440", "bbl auwrm 3 1 16383", "bbl auwrm 3 2 880",
                    "bbl auwrm 3 3 0", "bbl auwrm 3 4 1000", "bbl auwrm 3 5 0", "bbl auwrm 3 6 2000",
                    "bbl auwrm 3 7 0", "bbl auwrm 3 8 31", "bbl auwrm 2 0 65535", "bbl auwrm 1 0 1"}));
  EXPECT_EQ(Handset().WrittenWord(5, 2), 5);  // DSP item 1 was 0
  EXPECT_EQ(l.back(), "bbl auwrm 1 0 1");
  EXPECT_EQ(Grants(), 1);

  controls.SetPosition("ScrollBar3", 100);
  Mark();
  ToneBarChanged("ScrollBar3", controls);
  EXPECT_EQ(Lines(), (Lines_{"bbl auwrm 3 1 32767", "bbl auwrm 1 0 1"}));

  controls.SetChecked("CheckBox1", false);
  Mark();
  ToneClicked(controls);
  l = Lines();
  ASSERT_GE(l.size(), 2u);
  EXPECT_EQ(Lines_(l.begin(), l.begin() + 2), (Lines_{"bbl auwrm 2 0 0", "bbl auwrm 1 0 1"}));
  EXPECT_EQ(Handset().WrittenWord(5, 2), 0);  // bits 0 and 2 cleared
  EXPECT_EQ(ModuleUseCounts().dsp[1], 0);

  Mark();
  ToneBarChanged("ScrollBar3", controls);  // unchecked: nothing
  EXPECT_TRUE(Lines().empty());
}

TEST(ToneLabels, FrequenciesInHertzAndAmplitudesInPercent) {
  ControlMap c;
  c.SetPosition("ScrollBar2", 50);
  c.SetPosition("ScrollBar8", 4000);
  c.SetPosition("ScrollBar3", 100);
  RefreshLabels(ToneLabels(), c);
  EXPECT_EQ(c.Text("Tone1FreqLabel"), "50Hz");
  EXPECT_EQ(c.Text("Tone4FreqLabel"), "4000Hz");
  EXPECT_EQ(c.Text("Tone1AmpLabel"), "100%");
  EXPECT_EQ(c.Text("Tone2AmpLabel"), "0%");
}

}  // namespace
