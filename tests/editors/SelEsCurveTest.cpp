// The selective echo suppressor's curve editor model: 609 x 297 pixels,
// 50 Hz to 4 kHz, 0 to -80 dB; gestures and the conversion to the list.
#include <gtest/gtest.h>

#include "editors/SelEsCurve.h"

using namespace vt::editors;

namespace {

TEST(SelEsCurve, StartCurveSendsFlatAndDisabled) {
  CurveModel m(609, 297);
  m.Load({CurvePoint{63, 4096}});
  const auto t = m.ToTarget();
  EXPECT_FALSE(t.enable);
  EXPECT_EQ(t.points[0].bin, 63);
  EXPECT_EQ(t.points[0].gain, 4096);
}

TEST(SelEsCurve, DragsAddLimitAndDeletePoints) {
  CurveModel m(609, 297);
  // x = 360 is 666.6 Hz: bin 10, snapped to 656.25 Hz at x = 357; y = 75 is -20.2 dB.
  m.MouseDown(360, 75);
  EXPECT_EQ(m.Dragged(), 0);
  m.MouseUp();
  m.MouseDown(606, 2);  // the bin-63 point, within 11 pixels
  EXPECT_EQ(m.Dragged(), 1);
  m.MouseMove(100, 400);  // only up and down, and never off the plot
  EXPECT_EQ(m.Points()[1].x, 608);
  EXPECT_EQ(m.Points()[1].y, 293);
  m.MouseMove(100, 75);
  m.MouseUp();
  auto t = m.ToTarget();
  EXPECT_TRUE(t.enable);
  EXPECT_EQ(t.points[0].bin, 10);
  EXPECT_EQ(t.points[0].gain, 3253);  // trunc(10^(-0.1) x 4096)
  EXPECT_EQ(t.points[1].bin, 63);
  EXPECT_EQ(t.points[1].gain, 4096);

  m.MouseDown(50, 10);  // 84 Hz: too low to add
  EXPECT_EQ(m.Dragged(), -1);
  m.MouseDown(200, 10);
  m.MouseUp();
  m.MouseDown(450, 10);
  m.MouseUp();
  ASSERT_EQ(m.Points().size(), 4u);
  m.MouseDown(520, 10);  // a fifth: no
  EXPECT_EQ(m.Dragged(), -1);
  EXPECT_EQ(m.Points().size(), 4u);

  m.MouseDown(m.Points()[1].x, m.Points()[1].y);  // the bin-10 point, past its right neighbour
  const int right = m.Points()[2].x;
  m.MouseMove(right + 20, 30);
  EXPECT_LT(m.Points()[1].x, right - 5);
  m.MouseMove(m.Points()[1].x, 400);  // below the plot: gone on release
  m.MouseUp();
  EXPECT_EQ(m.Points().size(), 3u);
}

}  // namespace
