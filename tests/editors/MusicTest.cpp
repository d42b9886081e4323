// The "Music treatment" editors, headless: words of ClearLift, the MIDI
// enhancer and mixer against values worked out by hand, the exact lines of
// a boost change, what an unchecked effect sends (nothing), the labels and
// the "MUSIC_TRT" memo round trip.
#include "../handset/EmulatedHandset.h"
#include "config/MemoConfig.h"
#include "editors/Music.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;

namespace {

ControlMap StartPositions() {
  ControlMap c;
  for (auto [bar, p] : std::initializer_list<std::pair<const char*, int>>{
           {"ScrollBar44", 0}, {"ScrollBar45", 10}, {"ScrollBar66", 256}, {"ScrollBar47", 20},
           {"ScrollBar48", 20}, {"ScrollBar46", 128}, {"ScrollBar50", 0}, {"ScrollBar51", -6}})
    c.SetPosition(bar, p);
  return c;
}

TEST(MusicWords, BoostPresenceAndMixerByHand) {
  // 0 dB: 32767, q = 32767^2 = 0x3FFF0001; 20 dB: 3276, q = 107367628 = 0x6664CCC.
  const ClearLiftBoost zero = ClearLiftBoostWords(0), twenty = ClearLiftBoostWords(20);
  EXPECT_EQ((std::vector<int32_t>{zero.threshold, zero.amountHigh, zero.amountLow}),
            (std::vector<int32_t>{32767, 16383, 1}));
  EXPECT_EQ((std::vector<int32_t>{twenty.threshold, twenty.amountHigh, twenty.amountLow}),
            (std::vector<int32_t>{3276, 1638, 19660}));
  EXPECT_EQ(EnhancerMix(128), std::make_pair(128, 89));
  EXPECT_EQ(EnhancerMix(256), std::make_pair(128, 0));
  EXPECT_EQ(EnhancerMix(0), std::make_pair(0, 89));
  EXPECT_EQ(MixerWord(9, -30), 346);                     // a = 90, b = 1
}

TEST(MusicLabels, BarsShowTheirUnits) {
  ControlMap c = StartPositions();
  c.SetPosition("ScrollBar45", 50);
  c.SetPosition("ScrollBar44", 20);
  c.SetPosition("ScrollBar66", 600);
  c.SetPosition("ScrollBar51", -30);
  RefreshLabels(MusicLabels(), c);
  EXPECT_EQ(c.Text("Label111"), "1.25 ms");
  EXPECT_EQ(c.Text("Label108"), "20 dB");
  EXPECT_EQ(c.Text("Label200"), "2.34");  // 234.375
  EXPECT_EQ(c.Text("Label124"), "-30 dB");
}

class MusicHandset : public vt::testing::EmulatedHandset {
 protected:
  ControlMap c = StartPositions();
};

TEST_F(MusicHandset, EffectsWriteOnlyWhileChecked) {
  Start(3);
  IdentifyChip();
  Mark();
  c.SetPosition("ScrollBar44", 20);
  ClearLiftBoostChanged(c);
  EnhancerChanged(c);
  MixerChanged(c);
  EXPECT_TRUE(Lines().empty());

  c.SetChecked("CheckBox111", true);
  ClearLiftBoostChanged(c);
  Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 5u);
  for (size_t i = 0; i < 4; ++i)  // ids 101 to 104 hold 3276, 1638, 19660, 0x7FFF
    EXPECT_EQ(lines[i].substr(lines[i].rfind(' ') + 1),
              (std::vector<std::string>{"3276", "1638", "19660", "32767"}[i]));
  EXPECT_EQ(lines[4], "bbl auwrm 1 0 2");

  // The mixer's click takes its override and writes both words.
  Mark();
  c.SetChecked("CheckBox114", true);
  c.SetPosition("ScrollBar50", 9);
  c.SetPosition("ScrollBar51", -30);
  MixerClicked(c);
  lines = Lines();
  bool wrote346 = false;
  for (const std::string& l : lines) wrote346 |= l.size() > 4 && l.substr(l.size() - 4) == " 346";
  EXPECT_TRUE(wrote346);

  // ClearLift ticks the downlink harmonizer with it.
  ClearLiftClicked(c);
  EXPECT_TRUE(c.Checked("CheckBox41"));
}

TEST(MusicTrtMemo, RoundTrip) {
  VectorLineStore lines;
  MemoConfig memo;
  memo.Attach(&lines, nullptr, nullptr, [] { return 0; });
  ControlMap c = StartPositions();
  for (auto [bar, p] : std::initializer_list<std::pair<const char*, int>>{
           {"ScrollBar44", 13}, {"ScrollBar45", 33}, {"ScrollBar66", 700}, {"ScrollBar47", 90},
           {"ScrollBar48", 9}, {"ScrollBar46", 199}, {"ScrollBar50", 7}, {"ScrollBar51", -5}})
    c.SetPosition(bar, p);
  c.SetChecked("CheckBox112", true);
  SendSectionToMemo(MusicTrtMemo(), c, FrameState{3}, memo);
  const std::vector<std::string> text = lines.Data();
  ASSERT_EQ(text.size(), 2u + 15u);
  EXPECT_EQ(text[1], "    ClearLiftEnable=Yes");
  EXPECT_EQ(text[2], "    ClearLiftThr=7335");  // 32767 / 10^0.65 = 7335.6
  ControlMap back = StartPositions();
  GetSectionFromMemo(MusicTrtMemo(), memo, back);
  for (const char* bar : {"ScrollBar44", "ScrollBar45", "ScrollBar66", "ScrollBar47", "ScrollBar48",
                          "ScrollBar46", "ScrollBar50", "ScrollBar51"})
    EXPECT_EQ(back.Position(bar), c.Position(bar)) << bar;
  EXPECT_TRUE(back.Checked("CheckBox112"));
}

}  // namespace
