// Memo keys: "DSP_CONF" written from the controls and read back, the key
// forms read from a memo, the PCM port's divider labels.
#include <gtest/gtest.h>

#include "config/MemoConfig.h"
#include "editors/DspConfig.h"
#include "editors/PcmPort.h"

using namespace vt;
using namespace vt::editors;

namespace {

class DspConfMemoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
  }
  VectorLineStore lines;
  MemoConfig memo;
  ControlMap controls;
};

// Chip type 1's fifteen keys after what the memo held; chip type 3 adds its
// blocks, the uplink gate's key only while its box is shown.
TEST_F(DspConfMemoTest, KeysInOrderByChipType) {
  lines.Assign({"kept before"});
  for (const char* on : {"CheckBox5", "CheckBox101", "CheckBox117"}) controls.SetChecked(on, true);
  SendSectionToMemo(DspConfMemo(), controls, FrameState{1}, memo);
  std::vector<std::string> data = lines.Data();
  ASSERT_EQ(data.size(), 1u + 2u + 15u);
  EXPECT_EQ(std::vector<std::string>(data.begin(), data.begin() + 4),
            (std::vector<std::string>{"kept before", "Begin DSP_CONF", "    DL_FIR_en=Yes",
                                      "    DL_IIR_en=No"}));
  EXPECT_EQ(data.back(), "End DSP_CONF");
  SendSectionToMemo(DspConfMemo(), controls, FrameState{3}, memo);
  data = lines.Data();
  ASSERT_EQ(data.size(), 1u + 2u + 21u);
  EXPECT_EQ(std::vector<std::string>(data.end() - 7, data.end()),
            (std::vector<std::string>{"    SelES=Yes", "    Peak_limiter=No", "    Voice_comp=No",
                                      "    Noise_gate=No", "    DL_NS_en=No",
                                      "    UL_Noise_gate=Yes", "End DSP_CONF"}));
  controls.SetShown("CheckBox116", false);
  SendSectionToMemo(DspConfMemo(), controls, FrameState{3}, memo);
  EXPECT_EQ(lines.Count(), 1 + 2 + 20);  // rewritten in place, the gate's key gone
}

TEST_F(DspConfMemoTest, GetRestoresWhatSendWroteAndLeavesMissingKeysAlone) {
  controls.SetChecked("CheckBox8", true);
  controls.SetChecked("CheckBox12", true);
  SendSectionToMemo(DspConfMemo(), controls, FrameState{1}, memo);
  controls = ControlMap{};
  controls.SetChecked("CheckBox24", true);  // ES_DL_en=No in the memo
  GetSectionFromMemo(DspConfMemo(), memo, controls);
  EXPECT_TRUE(controls.Checked("CheckBox8"));
  EXPECT_TRUE(controls.Checked("CheckBox12"));
  EXPECT_FALSE(controls.Checked("CheckBox24"));

  // Keys in any order, any case of "Yes"; unknown keys ignored; a missing key
  // leaves its control as it is; a key line indented by two blanks loses its
  // first characters and is ignored.
  lines.Assign({"Begin dsp_conf", "    NS_en=yes", "    Bogus=Yes", "  EC_clip=Yes",
                "    DL_FIR_en=1", "End DSP_CONF", "    UL_FIR_en=Yes"});
  controls = ControlMap{};
  controls.SetChecked("CheckBox5", true);
  controls.SetChecked("CheckBox30", true);
  GetSectionFromMemo(DspConfMemo(), memo, controls);
  EXPECT_TRUE(controls.Checked("CheckBox26"));
  EXPECT_FALSE(controls.Checked("CheckBox78"));
  EXPECT_FALSE(controls.Checked("CheckBox5"));   // "1" is not "Yes"
  EXPECT_TRUE(controls.Checked("CheckBox30"));   // DL_DC_RM missing
  EXPECT_FALSE(controls.Checked("CheckBox12"));  // after the section's end
}

// The key forms read from a memo (their writing is every section's round
// trip): choices, one-of with a value it does not know, scaled integers.
TEST(MemoKeyForms, ReadIntoTheirControls) {
  const MemoSection section{
      "T",
      {ChoiceKey("Mike_bias", "RadioButton10", "2.4V", "2.2V", "RadioButton9"),
       ChoiceKey("VCM_driver", "CheckBox14", "On", "Off"),
       OneOfKey("Output_sel", {{"Ear", "RadioButton11"}, {"Line", "RadioButton13"}}),
       IntKey("PCM_in_delay", "ScrollBar23", 32)}};
  ControlMap c;
  c.RadioGroup({"RadioButton9", "RadioButton10"});
  c.RadioGroup({"RadioButton11", "RadioButton13"});
  c.SetChecked("RadioButton9", true);
  c.SetChecked("CheckBox14", true);
  c.SetChecked("RadioButton13", true);
  VectorLineStore lines({"Begin T", "    Mike_bias=2.4V", "    VCM_driver=Off",
                         "    Output_sel=Headset", "    PCM_in_delay=2304", "End T"});
  MemoConfig memo;
  memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
  GetSectionFromMemo(section, memo, c);
  EXPECT_TRUE(c.Checked("RadioButton10") && !c.Checked("RadioButton9"));
  EXPECT_FALSE(c.Checked("CheckBox14"));
  EXPECT_TRUE(c.Checked("RadioButton13"));  // an unknown choice checks none
  EXPECT_EQ(c.Position("ScrollBar23"), 72);
}

TEST(Labels, PcmPortDividersGiveTheClockAndSyncFrequencies) {
  ControlMap c;
  c.SetPosition("ScrollBar29", 124);
  RefreshLabels(PcmPortLabels(), c);
  EXPECT_EQ(c.Text("Label48"), "1000000Hz");
  EXPECT_EQ(c.Text("Label49"), "8000Hz");
  c.SetPosition("ScrollBar28", 63);
  c.SetPosition("ScrollBar29", 255);
  c.SetText("Label48", "untouched");
  RefreshLabels(PcmPortLabels(), c, "ScrollBar29");  // the sync divider sets Label49 only
  EXPECT_EQ(c.Text("Label48"), "untouched");
  EXPECT_EQ(c.Text("Label49"), "61Hz");
  RefreshLabels(PcmPortLabels(), c, "ScrollBar28");
  EXPECT_EQ(c.Text("Label48"), "15625Hz");
}

}  // namespace
