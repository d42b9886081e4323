// The uplink noise gate, headless: its words of both regimes in order.
#include "../handset/EmulatedHandset.h"
#include "editors/UlDyn.h"

using namespace vt;
using namespace vt::editors;
using vt::testing::Lines_;

namespace {

ControlMap StartPositions() {
  ControlMap c;
  for (auto [bar, p] : std::initializer_list<std::pair<const char*, int>>{
           {"ScrollBar20", 10}, {"ScrollBar21", 13014}, {"ScrollBar22", 17156}, {"ScrollBar19", 8192},
           {"ScrollBar55", 30}, {"ScrollBar56", 128}, {"ScrollBar13", 19}, {"ScrollBar52", 800},
           {"ScrollBar53", 8}, {"ScrollBar54", 32}, {"ScrollBar57", 39}, {"ScrollBar58", 800},
           {"ScrollBar59", 80}, {"ScrollBar60", 100}, {"ScrollBar64", 256}})
    c.SetPosition(bar, p);
  c.SetChecked("CheckBox119", true);
  return c;
}

// The value written by each line ("bbl poke a v", "bbl auwrm a i v").
std::vector<long> Values(const Lines_& lines) {
  std::vector<long> out;
  for (const std::string& l : lines) out.push_back(std::stol(l.substr(l.rfind(' ') + 1)));
  return out;
}

class UlDynHandset : public vt::testing::EmulatedHandset {
 protected:
  ControlMap c = StartPositions();
};

TEST_F(UlDynHandset, GateWritesBothRegimesAndComfortNoiseInOrder) {
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
  EXPECT_EQ(Values(Lines_(lines.begin(), lines.begin() + 15)),
            (std::vector<long>{2920, 65337, 44330, 36714, 65025, 63864, 65170, 32, 128, 2920, 65337,
                               33773, 100, 24576, 0}));
  EXPECT_EQ(lines[15], "bbl auwrm 1 0 2");

  // Unchecked, or hidden by the gating: nothing at all.
  Mark();
  c.SetShown("CheckBox118", false);
  UlNoiseGateSend(c);
  EXPECT_TRUE(Lines().empty());
}

}  // namespace
