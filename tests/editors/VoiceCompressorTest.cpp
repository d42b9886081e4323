// The tuning graph's geometry: output scale top and polyline in plot pixels,
// worked out by hand for a 300 x 300 plot.
#include <gtest/gtest.h>

#include "editors/VoiceCompressor.h"

using namespace vt::editors;

namespace {

TEST(CompressorGraph, StartPositionsAndARaisedScale) {
  // G = -50, C = -20, R = 2, L = -5, P = 0: top 0; knee input -20 + 15 x 2 = 10 dB.
  CompressorGraph g = ComputeCompressorGraph(20, 80, 4, 110, 0);
  EXPECT_EQ(g.top, 0);
  EXPECT_EQ(g.outputScale.front(), "0dB");
  EXPECT_EQ(g.outputScale.back(), "-60dB");
  EXPECT_EQ(g.unity[0], (GraphPoint{0, 300}));
  EXPECT_EQ(g.unity[1], (GraphPoint{300, 0}));
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

}  // namespace
