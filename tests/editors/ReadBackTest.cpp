// The handset read-back on the emulated handset: signed list rows, the
// output field of the codec, the microphone ground's 32-bit peek, and
// nothing written when the link is down or lost.
#include "../handset/EmulatedHandset.h"
#include "config/MemoConfig.h"
#include "editors/ReadBack.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;

namespace {

class ReadBack : public vt::testing::EmulatedHandset {
 protected:
  void Begin(int chipType) {
    Start(chipType);
    SetChipType(chipType);
    memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
    controls.SetList("ValueListEditor5", {"UL_Gmin=0x1000", "UL_TauR=1", "UL_TauD=2",
                                          "DL_Gmin=3", "DL_TauR=4", "DL_TauD=5"});
  }
  KeyLines Read(const std::string& name) {
    KeyLines out;
    LinkHold hold;
    EXPECT_TRUE(ReadSection(name, controls, FrameState{ChipType()}, out));
    return out;
  }
  std::string Value(const KeyLines& l, const std::string& key) {
    for (const auto& [k, v] : l)
      if (k == key) return v;
    return "(none)";
  }
  VectorLineStore lines;
  MemoConfig memo;
  ControlMap controls;
};

TEST_F(ReadBack, EchoSuppressorRowsAreSignedWordsUnderOneGrant) {
  Begin(1);
  Handset().SetBuiltInWord(4, ParamBase(17) + 2, 0xFFFF);  // row 3, status bit clear
  Mark();
  EXPECT_EQ(ReadBackToMemo({"ES"}, controls, FrameState{1}, memo), ReadBackEnd::Done);
  ASSERT_EQ(lines.Data().size(), 8u);
  EXPECT_EQ(lines.Data()[0], "Begin ES");
  EXPECT_EQ(lines.Data()[3], "    UL_TauD=-1");
  const Lines_ wire = Wire();
  EXPECT_EQ(std::count(wire.begin(), wire.end(), "0000->Request "), 1);
}

TEST_F(ReadBack, OutputSelectionFromTheClearedBitsOfCodecItem0) {
  Begin(1);
  struct Case {
    int item0, item1;
    const char* output;
  } cases[] = {
      {0xFFE7, 0, "Headset"}, {0xFF9F, 0, "Ear"},   {0xFE7F, 0, "Line"},
      {0xFFCF, 0, "Spk1"},    {0xFFB7, 0, "Spk2"},  {0xFFB7, 0x0800, "8ohms"},
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

TEST_F(ReadBack, LinkDownOrLostWritesNothingNotEvenMusic) {
  Begin(3);
  lines.Assign({"kept"});
  StopServer();
  EXPECT_EQ(ReadBackToMemo({"CODEC_OUTPUT", "MUSIC_TRT"}, controls, FrameState{3}, memo),
            ReadBackEnd::LinkDown);
  SetLink(nullptr);
  EXPECT_EQ(ReadBackToMemo({"MUSIC_TRT"}, controls, FrameState{3}, memo), ReadBackEnd::LinkDown);
  EXPECT_EQ(lines.Data(), std::vector<std::string>{"kept"});
}

}  // namespace
