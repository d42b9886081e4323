// Mask tables, limit interpolation, margins over the pixel grid, alignment and
// the fit test. Levels in dB, frequencies in Hz.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "filters/LimitMask.h"
#include "filters/Margins.h"

namespace vt::filters {
namespace {

const PlotMapping kPlot;  // the forms' 609 x 297 plot, 50..4000 Hz

LimitMask Mask(Wizard wizard, const char* name) {
  auto mask = FindMask(wizard, name);
  EXPECT_TRUE(mask.has_value()) << name;
  return mask.value_or(LimitMask{});
}

TEST(LimitMask, EachWizardOffersItsTables) {
  EXPECT_EQ(MaskNames(Wizard::Downlink),
            (std::vector<std::string>{"GSM03.50", "TS26.131", "flat wide", "flat narrow",
                                      "US color", "AT and T"}));
  EXPECT_EQ(MaskNames(Wizard::Uplink),
            (std::vector<std::string>{"GSM03.50", "TS26.131", "flat wide", "flat narrow"}));
  EXPECT_FALSE(FindMask(Wizard::Downlink, "gsm03.50"));
  // Creation masks: GSM03.50, the downlink one ending at (4000, 2).
  EXPECT_EQ(CreationMask(Wizard::Downlink).Upper(4000), 2);
  EXPECT_EQ(FirCalculationMask().Upper(2000), 10);
  EXPECT_EQ(FirCalculationMask().Lower(2000), -10);
}

TEST(LimitMask, InterpolatesLinearlyInHertz) {
  const LimitMask att = Mask(Wizard::Downlink, "AT and T");
  EXPECT_NEAR(att.Upper(1337.5L), 5.0, 1e-15);
  EXPECT_EQ(att.Upper(50), -8.5);  // below the first breakpoint: its level
  EXPECT_EQ(LimitAt({}, 1000), 0);
}

// Margins of a response given per frequency against a mask, for a spectrum
// known from first to last Hz.
MaskMargins Margins(const LimitMask& mask, long double first, long double last,
                    long double (*response)(long double), bool tighten = false) {
  return ComputeMargins(mask, kPlot, first, last, tighten, response);
}

TEST(Margins, AlignmentCentresASymmetricMaskOnTheResponse) {
  const LimitMask mask{"", {{100, 7}, {4000, 7}}, {{100, -7}, {4000, -7}}};
  // 3 dB above the middle with +-3.5 dB of shape: 9.5 dB peak, above the +7 limit.
  auto response = [](long double f) { return 3 + 3.5L * sinl(logl(f)); };
  const MaskMargins m = Margins(mask, 100, 4000, response);
  EXPECT_TRUE(m.Fits());
  EXPECT_NEAR(m.offset, -3, 0.01);  // the mask moves up by 3 dB
  EXPECT_NEAR(m.minUpper, 7 - 6.5, 0.01);
  EXPECT_NEAR(m.minLower, 7 - 0.5, 0.01);
  // After alignment the worst margins on both sides are equal.
  const long double worstUpper = *std::min_element(m.upper.values.begin(), m.upper.values.end());
  EXPECT_NEAR(worstUpper, *std::min_element(m.lower.values.begin(), m.lower.values.end()), 1e-15);
  EXPECT_NEAR(worstUpper, (m.minUpper + m.minLower) / 2, 1e-15);
}

// "flat narrow" holds +-7 dB between 500 and 3000 Hz: a ripple of more than
// 14 dB there cannot fit, nor more than 13 dB with the 0.5 dB tightening.
// Margins cover the overlap of spectrum and limit.
TEST(Margins, OverlapAndRippleLimitOfFlatNarrow) {
  const LimitMask narrow = Mask(Wizard::Downlink, "flat narrow");
  const MaskMargins m = Margins(narrow, 100, 3800, [](long double) { return 0.0L; });
  EXPECT_EQ(m.upper.firstX, kPlot.XOfFreq(400) + 1);
  EXPECT_EQ(m.upper.lastX, kPlot.XOfFreq(3500) - 1);
  EXPECT_EQ(m.lower.firstX, kPlot.XOfFreq(500) + 1);
  EXPECT_EQ(m.lower.lastX, kPlot.XOfFreq(3800) - 1);
  struct Case {
    long double ripple;
    bool fits, fitsTightened;
  };
  for (Case c : {Case{12.8L, true, true}, Case{13.8L, true, false}, Case{14.2L, false, false}}) {
    static long double half;
    half = c.ripple / 2;
    auto step = [](long double f) { return f < 1500 ? half + 20 : -half + 20; };
    EXPECT_EQ(Margins(narrow, 100, 3800, step).Fits(), c.fits) << c.ripple;
    EXPECT_EQ(Margins(narrow, 100, 3800, step, true).Fits(), c.fitsTightened) << c.ripple;
  }
}

TEST(Margins, NoOverlapMeansNoMarginsAndAFit) {
  auto loud = [](long double) { return 100.0L; };
  const LimitMask gsm = Mask(Wizard::Downlink, "GSM03.50");
  for (auto range : {std::pair{5000.0L, 8000.0L}, std::pair{1.0L, 0.0L}}) {
    const MaskMargins m = Margins(gsm, range.first, range.second, loud);
    EXPECT_TRUE(m.upper.values.empty());
    EXPECT_TRUE(m.lower.values.empty());
    EXPECT_TRUE(m.Fits());
  }
  EXPECT_TRUE(Margins(LimitMask{}, 100, 4000, loud).Fits());  // a mask without points
  // Overlap with the upper limit only: a lone limit is met by the alignment.
  const LimitMask upperOnly{"", {{100, 0}, {4000, 0}}, {}};
  EXPECT_TRUE(Margins(upperOnly, 100, 4000, loud).Fits());
}

}  // namespace
}  // namespace vt::filters
