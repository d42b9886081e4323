// Memo sections: the key forms written from the controls and read back
// into them (DSP_CONF's keys by chip type, scaled bars, the computed keys of
// the dynamics and music sections), the handset read-back (signed list rows,
// the codec's output field, the microphone ground's 32-bit peek; a link that
// is down is the memo strip's dialog test); and the labels of the level,
// time, rate and divider settings at the ends of their ranges and inside,
// worked out by hand, one row per formula.
#include "HandsetLines.h"
#include "editors/CodecInput.h"
#include "editors/Delays.h"
#include "editors/DlDyn.h"
#include "editors/DspConfig.h"
#include "editors/GlobalPath.h"
#include "editors/Music.h"
#include "editors/PcmPort.h"
#include "editors/ReadBack.h"
#include "editors/UlDyn.h"

using namespace vt;
using namespace vt::editors;
using namespace vt::testing;

namespace {

class DspConfMemoTest : public ::testing::Test, public vt::testing::MemoBench {
 protected:
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
  EXPECT_EQ(data[17], "    SelES=Yes");  // the first of chip type 3's, the gate's last
  EXPECT_EQ(data[22], "    UL_Noise_gate=Yes");
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

  // The other key forms: choices, one-of with a value it does not know,
  // scaled integers.
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
  lines.Assign({"Begin T", "    Mike_bias=2.4V", "    VCM_driver=Off", "    Output_sel=Headset",
                "    PCM_in_delay=2304", "End T"});
  GetSectionFromMemo(section, memo, c);
  EXPECT_TRUE(c.Checked("RadioButton10") && !c.Checked("RadioButton9"));
  EXPECT_FALSE(c.Checked("CheckBox14"));
  EXPECT_TRUE(c.Checked("RadioButton13"));  // an unknown choice checks none
  EXPECT_EQ(c.Position("ScrollBar23"), 72);
}

TEST(Labels, ShowThePhysicalValueAtTheEndsAndInside) {
  struct Case {
    const char* bar;
    int position;
    const char* label;
    const char* text;
  } cases[] = {
      {"ScrollBar12", 32767, "Label27", "0dB"},       {"ScrollBar12", 1, "Label27", "-90.3dB"},
      {"ScrollBar27", 0, "Label44", "-inf dB"},       {"ScrollBar14", 12944, "Label30", "1949.99 Hz"},
      {"ScrollBar23", 159, "Label39", "19.875ms"},    {"ScrollBar1", 0, "Label21", "-6dB"},
      {"ScrollBar1", 3, "Label21", "30dB"},           {"ScrollBar41", 5, "Label88", "1.6:1"},
      // trunc(2 x 20 log10(p / 16384)) x 0.5: -30.103 and -14.746 -> -29.49 -> -29.
      {"ScrollBar30", 512, "Label50", "-30 dBfs"},    {"ScrollBar30", 3000, "Label50", "-14.5 dBfs"},
      {"ScrollBar32", 8095, "Label52", "29.5 dB"},    {"ScrollBar33", 1, "Label60", "-39dB"},
      {"ScrollBar35", 13, "Label64", "1.625ms"},      {"ScrollBar40", 119, "Label85", "-0.5 dB"},
      {"ScrollBar65", 300, "Label199", "1.17"},       {"ScrollBar20", 3, "Label36", "33.33 dB/s"},
      // 50 x 6.020600 = 301.03 -> 30102.99; 50 x 0.00053.
      {"ScrollBar21", 8192, "Label37", "301.02 dB/s"}, {"ScrollBar21", 16383, "Label37", "0.02 dB/s"},
      {"ScrollBar19", 32767, "Label197", "18.06 dB"}, {"ScrollBar57", 59, "Label160", "-1dB"},
      {"ScrollBar45", 50, "Label111", "1.25 ms"},     {"ScrollBar29", 124, "Label49", "8000Hz"},
      {"ScrollBar28", 63, "Label48", "15625Hz"},
  };
  for (const Case& c : cases) {
    ControlMap m;
    m.SetPosition(c.bar, c.position);
    for (const auto* rules : {&GlobalPathLabels(), &DelaysLabels(), &CodecInputLabels(),
                              &DlDynLabels(), &UlDynLabels(), &MusicLabels(), &PcmPortLabels()})
      RefreshLabels(*rules, m, c.bar);
    EXPECT_EQ(m.Text(c.label), c.text) << c.bar << " at " << c.position;
  }
  // Labels of two bars; a change refreshes only the labels of its bar.
  ControlMap m = At({{"ScrollBar11", 10}, {"ScrollBar28", 63}, {"ScrollBar29", 255}});
  RefreshLabels(CodecInputLabels(), m);  // stage 1 at 0, PGA at 10
  EXPECT_EQ(m.Text("Label26"), "Total: 14dB");
  m.SetText("Label48", "untouched");
  RefreshLabels(PcmPortLabels(), m, "ScrollBar29");
  EXPECT_EQ(m.Text("Label48"), "untouched");
  EXPECT_EQ(m.Text("Label49"), "61Hz");
}

TEST(SectionMemos, ScaledAndComputedKeysExactAndRoundTrip) {
  // Scaled bars at their designed positions (96 and 72, times 32).
  EXPECT_EQ(KeyLinesFromControls(DelayMemo(), At({{"ScrollBar23", 96}, {"ScrollBar24", 72}}), {}),
            (KeyLines{{"PCM_in_delay", "3072"}, {"PCM_out_delay", "2304"}}));

  // The dynamics and music sections, whose keys are computed from the
  // controls and set them back, away from their designed states.
  ControlMap set = At({
      // Downlink dynamics.
      {"ScrollBar33", 5}, {"ScrollBar34", 100}, {"ScrollBar35", 77}, {"ScrollBar37", 41},
      {"ScrollBar39", -13}, {"ScrollBar40", 57}, {"ScrollBar42", 99}, {"ScrollBar43", 31},
      {"ScrollBar41", 6}, {"ScrollBar30", 700}, {"ScrollBar65", 500},
      // Uplink dynamics.
      {"ScrollBar20", 77}, {"ScrollBar13", 3}, {"ScrollBar52", 100}, {"ScrollBar53", 40},
      {"ScrollBar55", 12}, {"ScrollBar57", 50}, {"ScrollBar58", 200}, {"ScrollBar59", 20},
      {"ScrollBar60", 999}, {"ScrollBar64", 700},
      // Music.
      {"ScrollBar44", 13}, {"ScrollBar45", 33}, {"ScrollBar66", 700}, {"ScrollBar47", 90},
      {"ScrollBar48", 9}, {"ScrollBar46", 199}, {"ScrollBar50", 7}, {"ScrollBar51", -5}});
  set.SetChecked("CheckBox112", true);
  const struct {
    const MemoSection& section;
    const char *key, *value;
  } exact[] = {
      {AgcParMemo(), "DlHarmLevel", "500"},
      {AgcParMemo(), "NoiseGate_att", "582"},    // 10^(-1.75) x 32767 = 582.7
      {UlAgcParMemo(), "Lim_thr", "4090"},
      {UlAgcParMemo(), "NoiseGate_att", "462"},  // 10^(-1.85) x 32767 = 462.85
      {MusicTrtMemo(), "ClearLiftThr", "7335"},  // 32767 / 10^0.65 = 7335.6
  };
  for (const auto& e : exact)
    EXPECT_EQ(Value(KeyLinesFromControls(e.section, set, FrameState{3}), e.key), e.value) << e.key;
  for (const MemoSection* s : {&AgcParMemo(), &UlAgcParMemo(), &MusicTrtMemo()}) {
    MemoBench b;
    SendSectionToMemo(*s, set, FrameState{3}, b.memo);
    ControlMap back;
    back.SetChecked("CheckBox119", true);  // the uplink gate's comfort noise, off in `set`
    GetSectionFromMemo(*s, b.memo, back);
    EXPECT_EQ(KeyLinesFromControls(*s, back, FrameState{3}),
         KeyLinesFromControls(*s, set, FrameState{3}))
        << s->name;
  }
  // The uplink gate's group hidden by the gating: its keys are left out.
  set.SetShown("GroupBox53", false);
  EXPECT_EQ(KeyLinesFromControls(UlAgcParMemo(), set, FrameState{3}).size(), 6u);
}

class ReadBack : public vt::testing::EmulatedHandset, public MemoBench {
 protected:
  void Begin(int chipType) {
    Start(chipType);
    SetChipType(chipType);
    controls.SetList("ValueListEditor5", {"UL_Gmin=0x1000", "UL_TauR=1", "UL_TauD=2",
                                          "DL_Gmin=3", "DL_TauR=4", "DL_TauD=5"});
  }
  KeyLines Read(const std::string& name) {
    KeyLines out;
    LinkHold hold;
    EXPECT_TRUE(ReadSection(name, controls, FrameState{ChipType()}, out));
    return out;
  }
  ControlMap controls;
};

TEST_F(ReadBack, SignedListRowsUnderOneGrantAndTheCodecOutputField) {
  Begin(1);
  Handset().SetBuiltInWord(4, ParamBase(17) + 2, 0xFFFF);  // row 3, status bit clear
  Mark();
  EXPECT_EQ(ReadBackToMemo({"ES"}, controls, FrameState{1}, memo), ReadBackEnd::Done);
  ASSERT_EQ(lines.Data().size(), 8u);
  EXPECT_EQ(lines.Data()[0], "Begin ES");
  EXPECT_EQ(lines.Data()[3], "    UL_TauD=-1");
  const Lines_ wire = Wire();
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "0000->Request "), 1);

  // The output selection from the cleared bits of codec item 0.
  struct Case {
    int item0, item1;
    const char* output;
  } cases[] = {
      {0xFFE7, 0, "Headset"}, {0xFE7F, 0, "Line"}, {0xFFB7, 0, "Spk2"},
      {0xFFB7, 0x1000, "8ohms"}, {0xFFFF, 0, "(none)"}, {0xFE67, 0, "(none)"}};
  for (const Case& c : cases) {
    // Codec item n is word n + 1 of area 6, built in while its status bit is clear.
    Handset().SetBuiltInWord(6, 1, uint16_t(c.item0));
    Handset().SetBuiltInWord(6, 2, uint16_t(c.item1));
    EXPECT_EQ(Value(Read("CODEC_OUTPUT"), "Output_sel"), c.output) << std::hex << c.item0;
  }
  Handset().SetBuiltInWord(6, 1, 0xFFE7);
  const KeyLines l = Read("CODEC_OUTPUT");
  ASSERT_EQ(l.size(), 5u);
  EXPECT_EQ(l[1], (std::pair<std::string, std::string>("VCM_driver", "Off")));  // bit 9 set
  EXPECT_EQ(l[2].first, "Output_sel");
}

TEST_F(ReadBack, MicrophoneGroundIsBit24OfTheLongPeek) {
  Begin(3);
  Handset().SetMemory(0x7000A050, 1u << 24);
  EXPECT_EQ(Value(Read("CODEC_INPUT"), "Mike_gnd"), "VCM");
  const Lines_ l = Lines();
  EXPECT_NE(std::find(l.begin(), l.end(), "bbl peek 0x7000A050"), l.end());
  Handset().SetMemory(0x7000A050, ~(1u << 24));
  EXPECT_EQ(Value(Read("CODEC_INPUT"), "Mike_gnd"), "Ground");
}

}  // namespace
