// The dynamics and music editors, headless: words against values worked out
// by hand, the noise gates' exact words on both chip types, the threshold
// ordering of the voice compressor and its graph, the status read-outs, and
// the music effects' words while checked, nothing while unchecked. The
// pages' controls start as the form starts them.
#include "HandsetLines.h"
#include "editors/DlDyn.h"
#include "editors/Music.h"
#include "editors/NoiseGate.h"
#include "editors/UlDyn.h"
#include "editors/VoiceCompressor.h"

using namespace vt;
using namespace vt::editors;
using namespace vt::testing;

namespace {

ControlMap DlStart() {
  return At({
      {"ScrollBar30", 5120}, {"ScrollBar31", 159}, {"ScrollBar32", 809}, {"ScrollBar33", 19},
      {"ScrollBar34", 800}, {"ScrollBar35", 8}, {"ScrollBar36", 32}, {"ScrollBar37", 30},
      {"ScrollBar38", 128}, {"ScrollBar39", 20}, {"ScrollBar40", 80}, {"ScrollBar41", 4},
      {"ScrollBar42", 110}, {"ScrollBar43", 0}, {"ScrollBar65", 256}});
}

TEST(DynamicsWords, GateCompressorAndMusicWordsByHand) {
  // Attenuation -21 dB, opening bar 1: 10^(1.05) x 32768 = 367663, held at 65535.
  EXPECT_EQ(GateOpeningWord(-21, 1), 65535);
  EXPECT_EQ(GateOpeningWord(-21, 160), 33266);  // 10^(1.05/160) x 32768 = 33266.9
  EXPECT_EQ(GateAttenuationWord(-39), 367);     // 10^(-1.95) x 32767 = 367.65
  EXPECT_EQ(GateClosingWord(-1, 1), 58408);     // 10^(-0.05) x 65535 = 58408.1
  // Start: post gain 1.0 in Q8; limiter -5 dB, compressor -20 dB, gate -50 dB of 32767.
  ControlMap c = DlStart();
  EXPECT_EQ(VoiceCompressorWords(c), (std::vector<int32_t>{256, 18426, 3276, 103, 4, 8000}));
  c.SetPosition("ScrollBar43", 80);  // +40 dB: 100 x 256
  c.SetPosition("ScrollBar39", -40);  // -80 dB: 3.2767
  EXPECT_EQ(VoiceCompressorWords(c)[0], 25600);
  EXPECT_EQ(VoiceCompressorWords(c)[3], 3);
  // "Link w/i limiter" with the threshold shown at -10 dB:
  c.SetChecked("CheckBox92", true);
  PeakLimiterChanged(c);            // 10^(0.05 x 10.1) x 256 = 818.9
  EXPECT_EQ(c.Position("ScrollBar32"), 818);
  // Music: ClearLift at 0 dB, the enhancer at its ends and middle, the mixer.
  // 0 dB: 32767, q = 32767^2 = 0x3FFF0001 (20 dB is the handset test's).
  const ClearLiftBoost zero = ClearLiftBoostWords(0);
  EXPECT_EQ((std::vector<int32_t>{zero.threshold, zero.amountHigh, zero.amountLow}),
            (std::vector<int32_t>{32767, 16383, 1}));
  EXPECT_EQ(EnhancerMix(128), std::make_pair(128, 89));
  EXPECT_EQ(EnhancerMix(256), std::make_pair(128, 0));
  EXPECT_EQ(EnhancerMix(0), std::make_pair(0, 89));
  EXPECT_EQ(MixerWord(9, -30), 346);                     // a = 90, b = 1
}

// A bar pushed past its neighbour moves it, whose own handler then leaves
// the first alone (gate 20 <= comp 80 <= limiter 110 at the start).
TEST(DlDynWords, ThresholdsStayOrderedWithoutBouncing) {
  ControlMap c = DlStart();
  c.SetPosition("ScrollBar39", 100);
  VoiceCompressorBarChanged(c, "ScrollBar39", {});
  VoiceCompressorBarChanged(c, "ScrollBar40", {});  // the pushed bar's own handler
  EXPECT_EQ(c.Position("ScrollBar40"), 100);
  EXPECT_EQ(c.Position("ScrollBar39"), 100);
  EXPECT_EQ(c.Position("ScrollBar42"), 110);
  c.SetPosition("ScrollBar42", 60);  // the limiter pulls comp down, which pulls the gate down
  VoiceCompressorBarChanged(c, "ScrollBar42", {});
  VoiceCompressorBarChanged(c, "ScrollBar40", {});
  EXPECT_EQ(c.Position("ScrollBar39"), 60);
  EXPECT_EQ(c.Position("ScrollBar42"), 60);
  int redraws = 0;
  VoiceCompressorBarChanged(c, "ScrollBar41", [&] { ++redraws; });
  EXPECT_EQ(redraws, 1);
}

// The downlink page's controls; the uplink and music tests start theirs.
class DynHandset : public vt::testing::EmulatedHandset {
 protected:
  ControlMap c = DlStart();
};

const Lines_ kGateStartPokes = {
    "bbl poke 65516 2920",  "bbl poke 65515 65337", "bbl poke 65514 44330",
    "bbl poke 65517 36714", "bbl poke 65518 65025", "bbl poke 65519 63864",
    "bbl poke 65520 65170", "bbl poke 65521 32",    "bbl poke 65522 128"};

// Chip type 3 pokes the words in order and commits; chip type 1 also
// switches the gate's enable bits in its control word.
TEST_F(DynHandset, GateSendsItsWordsInOrderByChipType) {
  Start(3);
  SetChipType(3);
  c.SetChecked("CheckBox94", true);
  DlNoiseGateClicked(c);
  Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(Lines_(lines.begin(), lines.begin() + 9), kGateStartPokes);
  EXPECT_EQ(lines[9], "bbl auwrm 1 0 2");

  Disconnect();
  Start(1);
  Handset().SetMemory(32871, 0x00BB);
  c.SetChecked("CheckBox95", true);
  c.SetShown("ScrollBar38", false);  // soft opening not written
  DlNoiseGateSend(c);
  lines = Lines();
  ASSERT_EQ(lines.size(), 11u + 6u);  // 8 words, peek, poke, commit with DSP item 9
  EXPECT_EQ(lines[8], "bbl peek 32871");
  EXPECT_EQ(lines[9], "bbl poke 32871 127");  // 0xBB & 0xFF3B | 0x44 = 0x7F
}

TEST_F(DynHandset, StatusReadingsOfZeroCountAsOne) {
  Start(3);
  IdentifyChip();
  for (const char* on : {"CheckBox108", "CheckBox104", "CheckBox102"}) c.SetChecked(on, true);
  Handset().SetMemory(4557, 3276);  // L1 = 20 log10(3276/32767) = -20.0019
  Mark();
  PollVoiceCompressor(c);           // L2 = L3 = 20 log10(1/32767) = -90.309
  EXPECT_EQ(Lines(), (Lines_{"bbl peek 4557", "bbl peek 4568", "bbl peek 4570"}));
  EXPECT_EQ(c.Position("TrackBar2"), -351);  // (L1 - L2) x 100 / L1 = -351.50
  EXPECT_EQ(c.Position("TrackBar3"), -90);

  // The gate: active when bit 4 of 30829 is set; state block at 15558.
  c.SetChecked("CheckBox94", true);
  Handset().SetMemory(30829, 0x10);
  Handset().SetMemory(15558, 3276);      // level -20.0019 dB
  Handset().SetMemory(15558 + 2, 68);    // a
  Handset().SetMemory(15558 + 4, 0);     // b = 0 + 32
  PollDlNoiseGate(c);
  EXPECT_EQ(c.Position("TrackBar4"), 68);  // 100 x 68 / 100
  EXPECT_EQ(c.Position("TrackBar1"), 4);   // (-21 + 20.0019) x 100 / -21 = 4.75
}

// The tuning graph in plot pixels, worked out by hand for a 300 x 300 plot.
TEST(CompressorGraph, StartPositionsAndARaisedScale) {
  // G = -50, C = -20, R = 2, L = -5, P = 0: top 0; knee input -20 + 15 x 2 = 10 dB.
  CompressorGraph g = ComputeCompressorGraph(20, 80, 4, 110, 0);
  EXPECT_EQ(g.top, 0);
  EXPECT_EQ(g.outputScale.front(), "0dB");
  EXPECT_EQ(g.outputScale.back(), "-60dB");
  EXPECT_EQ(g.curve, (std::array<GraphPoint, 5>{GraphPoint{50, 300}, GraphPoint{50, 250},
                                                GraphPoint{200, 100}, GraphPoint{350, 25},
                                                GraphPoint{300, 25}}));
  // L = 0, P = 10: top (10 div 10 + 1) x 10 = 20, the scale "20dB" to "-40dB".
  g = ComputeCompressorGraph(20, 80, 6, 120, 20);
  EXPECT_EQ(g.top, 20);
  EXPECT_EQ(g.outputScale.back(), "-40dB");
  // Ratio 1.5: knee at -20 + 20 x 1.5 = 10 dB again; output 10 - 20 = -10 -> y 50.
  EXPECT_EQ(g.curve[3], (GraphPoint{350, 50}));
  // L + P = -0.5: top 0.
  EXPECT_EQ(ComputeCompressorGraph(20, 80, 4, 119, 0).top, 0);
}

ControlMap UlStart() {
  return At({
      {"ScrollBar20", 10}, {"ScrollBar21", 13014}, {"ScrollBar22", 17156}, {"ScrollBar19", 8192},
      {"ScrollBar55", 30}, {"ScrollBar56", 128}, {"ScrollBar13", 19}, {"ScrollBar52", 800},
      {"ScrollBar53", 8}, {"ScrollBar54", 32}, {"ScrollBar57", 39}, {"ScrollBar58", 800},
      {"ScrollBar59", 80}, {"ScrollBar60", 100}, {"ScrollBar64", 256}});
}

// The value written by each line ("bbl poke a v", "bbl auwrm a i v").
std::vector<long> Values(const Lines_& lines) {
  std::vector<long> out;
  for (const std::string& l : lines) out.push_back(std::stol(l.substr(l.rfind(' ') + 1)));
  return out;
}

TEST_F(DynHandset, UplinkGateWritesBothRegimesAndComfortNoiseInOrder) {
  c = UlStart();
  Start(3);
  IdentifyChip();
  Mark();
  c.SetChecked("CheckBox118", true);
  c.SetChecked("CheckBox119", false);  // no comfort noise: 0 to parameter id 139
  UlNoiseGateSend(c);
  const Lines_ lines = Lines();
  ASSERT_EQ(lines.size(), 15u + 1u + 6u + 6u);  // words, commit, DSP item 9 twice
  // 128, 127, 126, 129 .. 134 as on the downlink; during echo -21 dB, 800,
  // 80 (10^(1.05/80) x 32768 = 33773.5), 100; comfort noise level and switch.
  EXPECT_EQ(Values(Lines_(lines.begin(), lines.begin() + 9)), Values(kGateStartPokes));
  EXPECT_EQ(Values(Lines_(lines.begin() + 9, lines.begin() + 15)),
            (std::vector<long>{2920, 65337, 33773, 100, 24576, 0}));
  EXPECT_EQ(lines[15], "bbl auwrm 1 0 2");

  // Unchecked, or hidden by the gating: nothing at all.
  Mark();
  c.SetShown("CheckBox118", false);
  UlNoiseGateSend(c);
  EXPECT_TRUE(Lines().empty());
}

ControlMap MusicStart() {
  return At({
      {"ScrollBar44", 0}, {"ScrollBar45", 10}, {"ScrollBar66", 256}, {"ScrollBar47", 20},
      {"ScrollBar48", 20}, {"ScrollBar46", 128}, {"ScrollBar50", 0}, {"ScrollBar51", -6}});
}

TEST_F(DynHandset, MusicEffectsWriteOnlyWhileChecked) {
  c = MusicStart();
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
  const Lines_ lines = Lines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(Values(Lines_(lines.begin(), lines.begin() + 4)),
            (std::vector<long>{3276, 1638, 19660, 32767}));
  EXPECT_EQ(lines[4], "bbl auwrm 1 0 2");
  // ClearLift ticks the downlink harmonizer with it.
  ClearLiftClicked(c);
  EXPECT_TRUE(c.Checked("CheckBox41"));
}

}  // namespace
