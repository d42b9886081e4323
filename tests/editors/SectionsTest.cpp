// The section switch and the handlers built on it against the emulated
// handset: the "DSP config" blocks (DSP items by area-5 index and apply mask:
// item 2 (3, 16), item 3 (4, 256), item 4 (5, 32), item 5 (6, 64), item 9
// (9, 128)) and the codec, PCM port, TTY, "Test" and tone handlers: the
// words each writes (worked out by hand), their overrides, one grant per
// batch.
#include <sstream>

#include "HandsetLines.h"
#include "editors/CodecConfig.h"
#include "editors/CodecInput.h"
#include "editors/CodecMisc.h"
#include "editors/CodecOutput.h"
#include "editors/CodecSteps.h"
#include "editors/DspConfig.h"
#include "editors/PcmPort.h"
#include "editors/Test.h"
#include "editors/Tone.h"
#include "editors/Tty.h"
#include "editors/UlDyn.h"

using namespace vt;
using namespace vt::editors;
using namespace vt::testing;

namespace {

class DspSections : public vt::testing::EmulatedHandset {
 protected:
  const Section& Find(const std::string& box) {
    for (const Section& s : DspConfigSections())
      if (s.checkBox == box) return s;
    throw std::runtime_error("no section " + box);
  }
  // Section box `box` checked with the given members on; returns the lines.
  Lines_ Click(const std::string& box, const std::vector<const char*>& on) {
    for (const char* m : on) controls.SetChecked(m, true);
    controls.SetChecked(box, true);
    Mark();
    SectionClicked(Find(box), controls);
    return Lines();
  }
  ControlMap controls;
};

TEST_F(DspSections, ClickMemberChangeAndUncheckSendExactlyTheirLines) {
  Start(1);
  Handset().SetWrittenWord(5, 4, 0x12FF);   // DSP item 3's word in force
  Handset().SetWrittenWord(2, 14, 0x0010);  // its status bit already set: no built-in copy
  // DL IIR, chip type 1: bit 0x0400, low byte 0xA0: (0x12FF & 0xFB00) + 0xA0 + 0x400.
  EXPECT_EQ(Click("CheckBox76", {"CheckBox77"}),
            (Lines_{"bbl aurdm 5 4", "bbl auwrm 5 4 5792", "bbl aurdm 2 14", "bbl auwrm 2 14 16"} +
             ApplyDspLines(256, 16)));
  // The whole click under one grant of the channel.
  Lines_ wire = Wire();
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "0000->Request "), 1);
  EXPECT_EQ(wire.back(), "0000->Release ");
  EXPECT_EQ(ModuleUseCounts().dsp[3], 1);

  // "Enabled" off: rewritten and re-applied, no new override, no commit.
  controls.SetChecked("CheckBox77", false);
  Mark();
  SectionMemberChanged(Find("CheckBox76"), controls);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 5 4", "bbl auwrm 5 4 4768"} + ApplyDspLines(256, 16)));
  EXPECT_EQ(ModuleUseCounts().dsp[3], 1);

  // Unchecked: the override goes, which re-applies the item; nothing is written.
  controls.SetChecked("CheckBox76", false);
  Mark();
  SectionClicked(Find("CheckBox76"), controls);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 14", "bbl auwrm 2 14 0"} + ApplyDspLines(256, 0)));

  // While unchecked a member change sends nothing.
  controls.SetChecked("CheckBox77", true);
  Mark();
  SectionMemberChanged(Find("CheckBox76"), controls);
  EXPECT_TRUE(Lines().empty());
}

// One block per way of rebuilding the word: the DL FIR with its length, the
// echo blocks' bit 0, the blocks that keep the bits not theirs (DL IIR's
// low byte 0xA0 is the exact-lines test's).
TEST_F(DspSections, EachBlockRebuildsItsWordByChipType) {
  struct Case {
    int chip;
    const char* box;
    std::vector<const char*> on;
    int index;     // area-5 index of the item
    int inForce;   // the word read
    int written;   // the word written
  };
  const Case cases[] = {
      // DL FIR, chip 1: 0x0800 unless "32", bit 0x1000, low byte 0xA0 (chip
      // type 3's "48 sym" is the DSP config tab's test).
      {1, "CheckBox4", {"CheckBox5", "RadioButton18"}, 4, 0x1FFF, 0x17A0},
      // Echo canceller: (r & 0xFFA6) + 0x40 enabled + 0x08 clipping + 1.
      {1, "CheckBox7", {"CheckBox8", "CheckBox78"}, 6, 0xFFFF, 0xFFEF},
      {3, "CheckBox109", {}, 9, 0xFFFF, 0xFFBD},               // DL Noise Supp off: 0x0042
  };
  for (const Case& c : cases) {
    Start(c.chip);
    SetChipType(c.chip);
    controls = ControlMap{};
    controls.RadioGroup({"RadioButton18", "RadioButton19", "RadioButton20", "RadioButton31",
                         "RadioButton32"});
    Handset().SetBuiltInWord(5, c.index, c.inForce);  // status bit clear: the built-in word is in force
    Lines_ lines = Click(c.box, c.on);
    ASSERT_GE(lines.size(), 2u) << c.box;
    EXPECT_EQ(lines[1], "bbl auwrm 5 " + std::to_string(c.index) + " " + std::to_string(c.written))
        << c.box << " on chip " << c.chip;
    Disconnect();
  }
}

TEST_F(DspSections, EchoBlocksCommitOnAMemberChangeAndBlocksOfOneItemShareItsOverride) {
  Start(1);
  Handset().SetWrittenWord(2, 14, 0x0040);  // item 5's status bit set
  Lines_ click = Click("CheckBox7", {"CheckBox8"});
  EXPECT_EQ(std::count(click.begin(), click.end(), "bbl auwrm 1 0 2"), 0);
  controls.SetChecked("CheckBox79", true);  // "Noise fill"
  Mark();
  SectionMemberChanged(Find("CheckBox7"), controls);
  Lines_ lines = Lines();
  // Re-initialisation of item 5, then the commit: command 2 and item 9 applied.
  auto commit = std::find(lines.begin(), lines.end(), "bbl auwrm 1 0 2");
  ASSERT_NE(commit, lines.end());
  EXPECT_EQ(*(commit - 1), "bbl auwrm 2 14 64");
  EXPECT_EQ(*(commit + 1), "bbl auwrm 5 0 128");

  // Blocks of one item share its override: released with the last.
  Click("CheckBox76", {"CheckBox77"});  // DL IIR and DL DC removal: both DSP item 3
  Click("CheckBox29", {"CheckBox30"});
  EXPECT_EQ(ModuleUseCounts().dsp[3], 2);
  controls.SetChecked("CheckBox76", false);
  Mark();
  SectionClicked(Find("CheckBox76"), controls);
  // Item 3's bit still on (item 5's too), not re-applied.
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 14", "bbl auwrm 2 14 80"}));
  EXPECT_TRUE(Handset().StatusBit(5, 4));
  controls.SetChecked("CheckBox29", false);
  SectionClicked(Find("CheckBox29"), controls);
  EXPECT_FALSE(Handset().StatusBit(5, 4));
  EXPECT_EQ(ModuleUseCounts().dsp[3], 0);
}

using Words = std::vector<std::pair<int, int>>;  // (item, value)

class CodecTabs : public vt::testing::EmulatedHandset {
 protected:
  void SetUp() override {
    Start(1);
    // Every codec item and DSP item 1 built in as all ones: the words show
    // exactly which bits a handler clears.
    for (int i = 1; i <= 15; ++i) Handset().SetBuiltInWord(6, i, 0xFFFF);
    Handset().SetBuiltInWord(5, 2, 0x1234);
    for (const char* on : {"CheckBox64", "CheckBox65", "CheckBox75"})  // designed "Path active"
      controls.SetChecked(on, true);
    Mark();
  }
  // The words written to area `area` (index 0, the apply mask, left out),
  // as (index - shift, value).
  Words Written(int area, int shift) {
    Words out;
    const std::string head = "bbl auwrm " + std::to_string(area) + " ";
    for (const std::string& line : Lines()) {
      if (line.rfind(head, 0) != 0) continue;
      std::istringstream in(line.substr(head.size()));
      int index = 0, value = 0;
      in >> index >> value;
      if (index != 0) out.push_back({index - shift, value});
    }
    return out;
  }
  Words Codec() { return Written(6, 1); }
  bool Has(const std::string& line) { return std::ranges::count(Lines(), line) > 0; }
  long Grants() { return std::ranges::count(Wire(), "0000->Request "); }
  void Check(const char* box, bool on = true) { controls.SetChecked(box, on); }
  ControlMap controls;
};

TEST_F(CodecTabs, SidetoneAloneSetsItsPathBitsAndEveryItemIsOverriddenOnce) {
  Check("CheckBox64", false);
  Check("CheckBox75", false);
  Check("CheckBox63");
  AudioPathClicked(controls);
  // Item 1: bits 2, 3, 8, 9 cleared, 3 and 8 set. Item 0: bits 0 and 11
  // cleared. Item 7: bits 2 and 6 cleared. Item 13 not read: 0. Item 14:
  // bits 0 and 4 cleared. Then the metallic filter step: item 5 bit 0 clear.
  EXPECT_EQ(Codec(), (Words{{1, 0xFDFB}, {0, 0xF7FE}, {7, 0xFFBB}, {13, 0}, {14, 0xFFEE},
                            {5, 0xFFFE}}));
  // DSP item 1 cleared around each step, then restored (its built-in word).
  EXPECT_EQ(Written(5, 1), (Words{{1, 0x1234}, {1, 0}, {1, 0x1234}, {1, 0x1234}, {1, 0}, {1, 0x1234}}));
  EXPECT_EQ(Grants(), 2);  // the path words, then the metallic filter
  for (int item : {0, 1, 5, 7, 13, 14}) EXPECT_EQ(ModuleUseCounts().codec[size_t(item)], 1) << item;

}

TEST_F(CodecTabs, PcmPortBoxesExcludeTheConverterAndRouteItems13And14) {
  Check("CheckBox63");
  AudioPathClicked(controls);
  Check("CheckBox88");  // PCM port IN: "ADC" off (item 13 is the tab's test)
  PathBoxClicked("CheckBox88", controls);
  Check("CheckBox89");  // PCM port OUT too: "DAC" off
  Mark();
  PathBoxClicked("CheckBox89", controls);
  EXPECT_FALSE(controls.Checked("CheckBox75") || controls.Checked("CheckBox64"));
  const Words w = Codec();
  EXPECT_EQ(Words(w.end() - 2, w.end()), (Words{{13, 0x33}, {14, 0xFFFF}}));
  EXPECT_EQ(ModuleUseCounts().codec[13], 1);  // member clicks take no overrides

  // With "Audio path" unchecked a path box still excludes, but sends nothing.
  Check("CheckBox63", false);
  AudioPathClicked(controls);
  Check("CheckBox75");
  Mark();
  PathBoxClicked("CheckBox75", controls);
  EXPECT_FALSE(controls.Checked("CheckBox88"));
  EXPECT_TRUE(Lines().empty());
}

// One row per kind of word a section writes: codec words rebuilt from the
// word read (the output choice keeps items 1's 8-ohm bits for 8ohms only),
// codec words written whole, DSP words keeping their low byte (chip type 3
// has no downlink TTY bits), parameter words; nothing while unchecked.
TEST_F(CodecTabs, SectionsWriteTheirWordsAndOnlyWhileChecked) {
  Handset().SetWrittenWord(2, 14, 0x0030);  // DSP items 3 and 4 in force
  Handset().SetWrittenWord(5, 4, 0xFFFF);
  SetChipType(1);
  struct Case {
    const Section& section;
    int chip;
    std::vector<const char*> on;
    std::vector<std::pair<const char*, int>> bars;
    int area, shift;  // words as (index - shift, value)
    Words words;
  } cases[] = {
      {CodecOutputSections()[0], 1, {"RadioButton11"}, {}, 6, 1, {{0, 0xFF9F}, {1, 0xE7FF}}},  // Ear
      {CodecOutputSections()[0], 1, {"RadioButton33", "CheckBox14"}, {}, 6, 1,
       {{0, 0xFDB7}, {1, 0xFFFF}}},
      // 16 bits, rising, sync divider 124: not read first.
      {PcmPortSections()[0], 1, {"RadioButton24", "RadioButton26"}, {{"ScrollBar29", 124}}, 6, 1,
       {{10, 0x0419}, {11, 0}, {12, 124}}},
      // 0xA0 + Enable 0x0100 + CTM only 0x8000.
      {TtySections()[1], 1, {"CheckBox54", "CheckBox55"}, {}, 5, 1, {{4, 0x81A0}}},
      {TtySections()[0], 3, {"CheckBox51", "CheckBox52"}, {}, 5, 1, {{3, 0xFFA0}}},
      // The AGC release: its constant and the bar, two parameters.
      {UlDynSections()[0], 1, {}, {{"ScrollBar20", 57}}, 4, 0,
       {{ParamBase(11), 4090}, {ParamBase(12), 57}}},
  };
  for (const Case& c : cases) {
    SetChipType(c.chip);
    ControlMap m;
    for (const char* on : c.on) m.SetChecked(on, true);
    for (auto [bar, p] : c.bars) m.SetPosition(bar, p);
    m.SetChecked(c.section.checkBox, true);
    Mark();
    SectionClicked(c.section, m);
    EXPECT_EQ(Written(c.area, c.shift), c.words) << c.section.checkBox;
    m.SetChecked(c.section.checkBox, false);
    SectionClicked(c.section, m);
    Mark();
    SectionMemberChanged(c.section, m);
    EXPECT_TRUE(Lines().empty()) << c.section.checkBox;
  }
  const UseCountTables& counts = ModuleUseCounts();
  for (const auto* table : {&counts.codec, &counts.dsp, &counts.param})
    EXPECT_EQ(std::ranges::count(*table, 0), long(table->size()));
}

TEST_F(CodecTabs, GainsPokeTheGainFlagOnTheClickOnly) {
  controls.SetPosition("ScrollBar11", 10);  // stage 1 at 0, PGA at 10: 0 + 4 x 10
  Check("CheckBox3");
  CodecGainClicked(CodecInputGainSection(), controls);
  EXPECT_EQ(Lines().front(), "bbl poke 29620 0x00000002");  // 29568 + 52
  EXPECT_EQ(Codec(), (Words{{9, 40}}));

  controls.SetPosition("ScrollBar10", 9);
  Check("CheckBox2");
  SetChipType(3);
  Mark();
  CodecGainClicked(CodecOutputGainSection(), controls);
  EXPECT_EQ(Lines().front(), "bbl poke 29108 0x00000002");  // 29056 + 52
  EXPECT_EQ(Codec(), (Words{{2, 153}}));                     // 9 in both nibbles
}

// "Normal" writes DSP items 0 and 1 and the DAI clock; "DAI" sets the
// interface up by the audio register; a clock that is not a number stops
// every handler before anything is sent.
TEST_F(CodecTabs, TestModesWriteDspItems0And1SetUpTheDaiAndInitDas) {
  Handset().SetWrittenWord(2, 14, 0x0006);  // DSP items 0 and 1 in force: no built-in copies
  controls.SetText("Edit1", "0x0404");
  controls.SetText("ComboBox1", "Normal");
  controls.SetChecked("CheckBox47", true);
  EXPECT_EQ(TestControlClicked(controls), std::nullopt);
  EXPECT_TRUE(Has("bbl auwrm 4 " + std::to_string(ParamBase(15)) + " 1028")) << "0x0404";
  EXPECT_TRUE(Has("bbl auwrm 5 1 0") && Has("bbl auwrm 5 2 1"));
  EXPECT_EQ(Grants(), 1);

  Handset().SetRegister(0x70002030, 0x0000F000);
  controls.SetText("ComboBox1", "DAI");
  Mark();
  TestConfigChanged(controls);
  const Lines_ l = Lines();
  ASSERT_GE(l.size(), 4u);
  EXPECT_EQ(Lines_(l.begin(), l.begin() + 4),
            (Lines_{"dbg write 0x70002008 0x00100000", "dbg read 0x70002030",
                    "dbg write 0x70002050 0x00000011", "dbg write 0x70002058 0x00000071"}));

  controls.SetText("Edit1", "0x04G4");
  Mark();
  EXPECT_EQ(TestControlClicked(controls), "'0x04G4' is not a valid integer value");
  EXPECT_TRUE(DaiClockUpdate(controls) && TestConfigChanged(controls));
  EXPECT_TRUE(Wire().empty());

  // "Init DAS": the codec defaults and the chip's parameter image.
  InitDas(3);
  const Lines_ das = Lines();
  ASSERT_EQ(das.size(), 16u + 5 + 190 + 13 + 3);  // the image: 190 words
  EXPECT_EQ(Lines_(das.begin() + 16, das.begin() + 21),
            (Lines_{"bbl auwrm 2 15 65535", "bbl auwrm 1 0 8", "dbg wait 40", "bbl auwrm 6 0 0",
                    "bbl auwrm 1 0 0"}));
  EXPECT_EQ(Lines_(das.end() - 4, das.end()), (Lines_{"bbl auwrm 2 13 65535", "bbl auwrm 1 0 2",
                                                  "dbg wait 40", "bbl auwrm 1 0 0"}));
  EXPECT_EQ(Grants(), 1);
}

TEST_F(CodecTabs, ToneSendsItsWordsAndSwitchesDspItem1) {
  Handset().SetWrittenWord(2, 14, 0x0004);  // DSP item 1 in force
  Handset().SetWrittenWord(5, 2, 0);
  for (int i = 0; i < 8; ++i)
    controls.SetPosition(ToneBars()[size_t(i)], std::vector{440, 50, 880, 0, 1000, 0, 2000, 0}[size_t(i)]);
  controls.SetChecked("CheckBox99", true);
  controls.SetChecked("CheckBox1", true);
  ToneClicked(controls);
  Lines_ l = Lines();
  ASSERT_GE(l.size(), 12u);
  EXPECT_EQ(Lines_(l.begin(), l.begin() + 11),
            (Lines_{"bbl auwrm 3 0 440", "bbl auwrm 3 1 16383", "bbl auwrm 3 2 880",
                    "bbl auwrm 3 3 0", "bbl auwrm 3 4 1000", "bbl auwrm 3 5 0",
                    "bbl auwrm 3 6 2000", "bbl auwrm 3 7 0", "bbl auwrm 3 8 31",
                    "bbl auwrm 2 0 65535", "bbl auwrm 1 0 1"}));
  EXPECT_EQ(Handset().WrittenWord(5, 2), 5);  // DSP item 1 was 0

}

}  // namespace
