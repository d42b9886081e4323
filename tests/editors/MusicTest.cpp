// The "Music treatment" editors, headless: words of ClearLift, the MIDI
// enhancer and mixer worked out by hand; a boost change's words while
// checked, nothing while unchecked.
#include "../handset/EmulatedHandset.h"
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
  // 0 dB: 32767, q = 32767^2 = 0x3FFF0001 (20 dB is the handset test's).
  const ClearLiftBoost zero = ClearLiftBoostWords(0);
  EXPECT_EQ((std::vector<int32_t>{zero.threshold, zero.amountHigh, zero.amountLow}),
            (std::vector<int32_t>{32767, 16383, 1}));
  EXPECT_EQ(EnhancerMix(128), std::make_pair(128, 89));
  EXPECT_EQ(EnhancerMix(256), std::make_pair(128, 0));
  EXPECT_EQ(EnhancerMix(0), std::make_pair(0, 89));
  EXPECT_EQ(MixerWord(9, -30), 346);                     // a = 90, b = 1
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

  // 20 dB: 3276, q = 107367628 = 0x6664CCC; ids 101 to 104, then the commit.
  c.SetChecked("CheckBox111", true);
  ClearLiftBoostChanged(c);
  Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 5u);
  Lines_ words;
  for (size_t i = 0; i < 4; ++i) words.push_back(lines[i].substr(lines[i].rfind(' ') + 1));
  EXPECT_EQ(words, (Lines_{"3276", "1638", "19660", "32767"}));
  EXPECT_EQ(lines[4], "bbl auwrm 1 0 2");
  // ClearLift ticks the downlink harmonizer with it.
  ClearLiftClicked(c);
  EXPECT_TRUE(c.Checked("CheckBox41"));
}

}  // namespace
