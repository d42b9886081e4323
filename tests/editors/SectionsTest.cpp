// The section switch of the "DSP config" tab against the emulated handset.
// DSP items by area-5 index and apply mask: item 2 (3, 16), item 3 (4, 256),
// item 4 (5, 32), item 5 (6, 64), item 9 (9, 128).
#include "HandsetLines.h"
#include "editors/DspConfig.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;
using vt::testing::operator+;
using vt::testing::ApplyDspLines;

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
      // DL FIR, chip 1: 0x0800 unless "32", bit 0x1000, low byte 0xA0.
      {1, "CheckBox4", {"CheckBox5", "RadioButton18"}, 4, 0x1FFF, 0x17A0},
      // DL FIR, chip 3, "48 sym": (r & 0x1F00 & ~0x0400) + 0x2000 + 0x0400 + 0xA0.
      {3, "CheckBox4", {"CheckBox5", "RadioButton20"}, 4, 0xFFFF, 0x3FA0},
      {1, "CheckBox11", {"CheckBox12"}, 5, 0x0000, 0x10A0},    // UL FIR
      // Echo canceller: (r & 0xFFA6) + 0x40 enabled + 0x08 clipping + 1.
      {1, "CheckBox7", {"CheckBox8", "CheckBox78"}, 6, 0xFFFF, 0xFFEF},
      {3, "CheckBox109", {}, 9, 0xFFFF, 0xFFBD},               // DL Noise Supp off: 0x0042
      {1, "CheckBox81", {"CheckBox80"}, 3, 0x0001, 0x0101},    // DSP sidetone, item 2
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

TEST_F(DspSections, EchoBlocksCommitTheParametersOnAMemberChangeOnly) {
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
}

TEST_F(DspSections, BlocksOfOneItemShareItsOverride) {
  Start(1);
  Click("CheckBox76", {"CheckBox77"});  // DL IIR and DL DC removal: both DSP item 3
  Click("CheckBox29", {"CheckBox30"});
  EXPECT_EQ(ModuleUseCounts().dsp[3], 2);
  controls.SetChecked("CheckBox76", false);
  Mark();
  SectionClicked(Find("CheckBox76"), controls);
  EXPECT_EQ(Lines(), (Lines_{"bbl aurdm 2 14", "bbl auwrm 2 14 16"}));  // still on, not re-applied
  EXPECT_TRUE(Handset().StatusBit(5, 4));
  controls.SetChecked("CheckBox29", false);
  SectionClicked(Find("CheckBox29"), controls);
  EXPECT_FALSE(Handset().StatusBit(5, 4));
  EXPECT_EQ(ModuleUseCounts().dsp[3], 0);
}

}  // namespace
