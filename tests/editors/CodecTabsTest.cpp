// The codec tabs and the PCM port against the emulated handset: the codec
// words each handler writes (worked out by hand from the controls), the
// overrides they take and release, and one grant per batch.
#include <sstream>

#include "../handset/EmulatedHandset.h"
#include "editors/CodecConfig.h"
#include "editors/CodecInput.h"
#include "editors/CodecMisc.h"
#include "editors/CodecOutput.h"
#include "editors/CodecSteps.h"
#include "editors/PcmPort.h"

using namespace vt;
using namespace vt::editors;

namespace {

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
  long Grants() {
    auto wire = Wire();
    return std::count(wire.begin(), wire.end(), "0000->Request ");
  }
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
  EXPECT_EQ(Codec(), (Words{{1, 0xFDFB}, {0, 0xF7FE}, {7, 0xFFBB}, {13, 0}, {14, 0xFFEE}, {5, 0xFFFE}}));
  // DSP item 1 cleared around the routing and the metallic step, then
  // restored (enabling it first copies its built-in word).
  const Words item1 = {{1, 0x1234}, {1, 0}, {1, 0x1234}};
  EXPECT_EQ(Written(5, 1), (Words{item1[0], item1[1], item1[2], item1[0], item1[1], item1[2]}));
  EXPECT_EQ(Grants(), 2);  // the path words, then the metallic filter
  for (int item : {0, 1, 5, 7, 13, 14}) EXPECT_EQ(ModuleUseCounts().codec[size_t(item)], 1) << item;
  EXPECT_EQ(ModuleUseCounts().dsp[1], 0);

  MetallicFilterClicked(controls);  // a second click takes no second share of item 5
  EXPECT_EQ(ModuleUseCounts().codec[5], 1);

  Check("CheckBox63", false);
  Mark();
  AudioPathClicked(controls);
  EXPECT_TRUE(Codec().empty());
  for (int item : {0, 1, 5, 7, 13, 14}) EXPECT_EQ(ModuleUseCounts().codec[size_t(item)], 0) << item;
}

TEST_F(CodecTabs, PcmPortBoxesExcludeTheConverterAndRouteItems13And14) {
  Check("CheckBox63");
  AudioPathClicked(controls);
  struct Case {
    const char* box;
    const char* excluded;
    int item13, item14;
  } cases[] = {
      {"CheckBox88", "CheckBox75", 3, 0xFFEF},     // PCM port IN: "ADC" off, bit 0
      {"CheckBox89", "CheckBox64", 0x33, 0xFFFF},  // PCM port OUT too: "DAC" off, bit 4
  };
  for (const Case& c : cases) {
    Check(c.box);
    Mark();
    PathBoxClicked(c.box, controls);
    EXPECT_FALSE(controls.Checked(c.excluded)) << c.box;
    Words w = Codec();
    ASSERT_EQ(w.size(), 5u) << c.box;
    EXPECT_EQ(w[3], (std::pair<int, int>{13, c.item13})) << c.box;
    EXPECT_EQ(w[4], (std::pair<int, int>{14, c.item14})) << c.box;
    EXPECT_EQ(Grants(), 1);
  }
  EXPECT_EQ(ModuleUseCounts().codec[13], 1);  // member clicks take no overrides

  // "PCM port OUT" alone gives 0x30 and bit 4.
  Check("CheckBox88", false);
  Mark();
  PathBoxClicked("CheckBox88", controls);
  EXPECT_EQ(Codec()[3], (std::pair<int, int>{13, 0x30}));
  EXPECT_EQ(Codec()[4], (std::pair<int, int>{14, 0xFFFE}));

  // Boxes that do not route leave items 13 and 14 alone.
  Check("CheckBox67");
  Mark();
  PathBoxClicked("CheckBox67", controls);
  EXPECT_EQ(Codec().size(), 3u);
  EXPECT_EQ(Codec()[2], (std::pair<int, int>{7, 0xFFB3}));  // Uplink out clears bit 3 as well

  // With "Audio path" unchecked a path box still excludes, but sends nothing.
  Check("CheckBox63", false);
  AudioPathClicked(controls);
  Check("CheckBox75");
  Mark();
  PathBoxClicked("CheckBox75", controls);
  EXPECT_FALSE(controls.Checked("CheckBox88"));
  EXPECT_TRUE(Lines().empty());
}

TEST_F(CodecTabs, SectionsWriteTheirBitsAndOnlyWhileChecked) {
  struct Case {
    const Section& section;
    std::vector<const char*> on;
    Words words;
  } cases[] = {
      {CodecInputSections()[0], {"RadioButton8"}, {{7, 0xFF6F}}},   // External: bits 7 and 4 clear
      {CodecInputSections()[0], {"RadioButton7"}, {{7, 0xFFDF}}},   // Internal
      {CodecInputSections()[1], {"RadioButton9"}, {{7, 0xFFFF}}},   // 2.2V
      {CodecInputSections()[1], {}, {{7, 0xFFFE}}},                 // 2.4V
      {CodecInputSections()[2], {}, {{8, 0xFFFE}}},                 // input not muted
      {CodecOutputSections()[0], {"RadioButton11"}, {{0, 0xFF9F}, {1, 0xFFFF}}},  // Ear
      {CodecOutputSections()[0], {"RadioButton33", "CheckBox14"}, {{0, 0xFDB7}, {1, 0xFFFF}}},
      {CodecOutputSections()[1], {}, {{7, 0xFBFF}}},                // Mono
      {CodecOutputSections()[2], {}, {{1, 0xFFFC}}},                // output not muted
      {CodecMiscSections()[0], {"RadioButton16"}, {{0, 0xEFFF}}},   // Aux mono
      {CodecMiscSections()[1], {"CheckBox73"}, {{7, 0xFFFD}}},      // source after PGA
  };
  for (const Case& c : cases) {
    ControlMap m;
    for (const char* on : c.on) m.SetChecked(on, true);
    m.SetChecked(c.section.checkBox, true);
    Mark();
    SectionClicked(c.section, m);
    EXPECT_EQ(Codec(), c.words) << c.section.checkBox << " " << (c.on.empty() ? "" : c.on[0]);
    m.SetChecked(c.section.checkBox, false);
    SectionClicked(c.section, m);
    Mark();
    SectionMemberChanged(c.section, m);
    EXPECT_TRUE(Lines().empty()) << c.section.checkBox;
  }
  for (int item = 0; item < 15; ++item) EXPECT_EQ(ModuleUseCounts().codec[size_t(item)], 0);
}

TEST_F(CodecTabs, Item7StaysOverriddenWhileAnyOfItsSectionsIsChecked) {
  Check("CheckBox63");
  AudioPathClicked(controls);
  Check("CheckBox46");
  SectionClicked(CodecInputSections()[0], controls);
  Check("CheckBox63", false);
  AudioPathClicked(controls);
  EXPECT_EQ(ModuleUseCounts().codec[7], 1);
  EXPECT_TRUE(Handset().StatusBit(6, 8));
  Check("CheckBox46", false);
  SectionClicked(CodecInputSections()[0], controls);
  EXPECT_FALSE(Handset().StatusBit(6, 8));
}

TEST_F(CodecTabs, GainsPokeTheGainFlagOnTheClickOnly) {
  controls.SetPosition("ScrollBar11", 10);  // stage 1 at 0, PGA at 10: 0 + 4 x 10
  Check("CheckBox3");
  CodecGainClicked(CodecInputGainSection(), controls);
  EXPECT_EQ(Lines().front(), "bbl poke 29620 0x00000002");  // 29568 + 52
  EXPECT_EQ(Codec(), (Words{{9, 40}}));
  EXPECT_EQ(Grants(), 2);

  controls.SetPosition("ScrollBar10", 9);
  Check("CheckBox2");
  SetChipType(3);
  Mark();
  CodecGainClicked(CodecOutputGainSection(), controls);
  EXPECT_EQ(Lines().front(), "bbl poke 29108 0x00000002");  // 29056 + 52
  EXPECT_EQ(Codec(), (Words{{2, 153}}));                     // 9 in both nibbles

  controls.SetPosition("ScrollBar10", 3);
  Mark();
  SectionMemberChanged(CodecOutputGainSection(), controls);  // write and apply, no poke
  EXPECT_EQ(Lines().front(), "bbl auwrm 6 3 51");
  EXPECT_EQ(ModuleUseCounts().codec[2], 1);
}

TEST_F(CodecTabs, PcmConfigAtItsStartStateWritesTheFormatWord) {
  ControlMap m;
  m.SetChecked("RadioButton24", true);  // 16 bits
  m.SetChecked("RadioButton26", true);  // rising
  m.SetPosition("ScrollBar29", 124);
  m.SetChecked("CheckBox87", true);
  SectionClicked(PcmPortSections()[0], m);
  EXPECT_EQ(Codec(), (Words{{10, 0x0419}, {11, 0}, {12, 124}}));
  EXPECT_EQ(Grants(), 1);
  // "DL IIR" of the "DSP config" tab drops 0x0400; every box adds its bits.
  for (const char* on : {"CheckBox77", "CheckBox84", "CheckBox85", "CheckBox86"}) m.SetChecked(on, true);
  m.SetPosition("ScrollBar28", 63);
  Mark();
  SectionMemberChanged(PcmPortSections()[0], m);
  EXPECT_EQ(Codec(), (Words{{10, 0x0019 + 0x0204 + 0x0102 + 0x0020}, {11, 63}, {12, 124}}));
  EXPECT_EQ(ModuleUseCounts().codec[10], 1);
}

}  // namespace
