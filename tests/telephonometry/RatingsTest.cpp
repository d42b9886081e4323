// The single figures from known band values: the method's worked cases, and
// the bench's truth reached again by the measurement's own formulas.

#include <gtest/gtest.h>

#include "bench/BenchFile.h"
#include "bench/Truth.h"
#include "telephonometry/Measurement.h"
#include "telephonometry/Ratings.h"
#include "telephonometry/ResultGraph.h"

namespace vt::telephonometry {
namespace {

TEST(Ratings, WorkedCases) {
  filters::BandSpectrum grid;
  // Flat sensitivity S = W - 0.3 in the 13 measured bands (no 4000 Hz point):
  // -(10/0.175) log10(13); one more dB everywhere, one dB less.
  for (int j = 11; j <= 23; ++j) grid.SetLevel(j, kReceiveWeights[static_cast<size_t>(j - 11)] - 0.3L);
  EXPECT_NEAR(static_cast<double>(LoudnessRating(grid, kReceiveWeights)), -63.654, 0.001);
  for (int j = 11; j <= 23; ++j) grid.SetLevel(j, grid.Level(j) + 1);
  EXPECT_NEAR(static_cast<double>(LoudnessRating(grid, kReceiveWeights)), -64.654, 0.001);
  for (int j = 13; j <= 23; ++j) grid.SetLevel(j, -40);
  EXPECT_NEAR(static_cast<double>(WeightedTcl(grid)), 40, 1e-12);
}

TEST(Ratings, ReachTheBenchsTruth) {
  bench::BenchTruth t;
  std::string error;
  ASSERT_TRUE(bench::LoadBenchFile(VT_SOURCE_DIR "/benches/realistic.bench", t.params, error)) << error;
  // Band values as a perfect measurement by the method reads them.
  filters::BandSpectrum receive, send, echo;
  for (int i = 0; i < 13; ++i) {
    const double encoder = -t.EncoderReadingOffset(), mouth = -bench::BenchTruth::MouthReadingOffset();
    receive.SetLevel(11 + i, t.BandDb(&bench::BenchTruth::ReceiveDb, i) + encoder - 2.2184875);
    send.SetLevel(11 + i, t.BandDb(&bench::BenchTruth::SendDb, i) + mouth - 2.2184875);
    echo.SetLevel(11 + i, t.BandDb(&bench::BenchTruth::EchoDb, i) + encoder);
  }
  EXPECT_NEAR(static_cast<double>(LoudnessRating(receive, kReceiveWeights)), t.Rlr(), 1e-3);
  EXPECT_NEAR(static_cast<double>(LoudnessRating(send, kSendWeights)), t.Slr(), 1e-3);
  EXPECT_NEAR(static_cast<double>(WeightedTcl(echo)), t.Tclw(), 1e-9);
}

}  // namespace
}  // namespace vt::telephonometry

namespace vt::telephonometry {
namespace {

TEST(ResultGraph, RangeMaskAlignmentAndFigureText) {
  const filters::PlotMapping plot = ResultPlot(609, 297);
  // Span at least 5 dB, plus 12, made even around the truncated centre.
  const Curve flat = {{62.5, 0}, {3775, 0}}, slope = {{62.5, -30}, {3775, 0}};
  EXPECT_EQ(static_cast<double>(FitResultAxis(flat, plot).top), 8);
  EXPECT_EQ(static_cast<double>(FitResultAxis(flat, plot).bottom), -8);
  const filters::LevelAxis a = FitResultAxis(slope, plot);
  EXPECT_EQ(static_cast<double>(a.top), 6);  // span 42 around -15
  EXPECT_EQ(static_cast<double>(a.bottom), -36);
  // A flat curve under the send mask: worst upper margin -12 dB (100 Hz), worst
  // lower one 6 dB (1 to 3 kHz); both limits move up by 9 dB and the curve
  // still leaves them by 3 dB.
  const MaskFit fit = FitMask(flat, ResultMask(ResultMaskSet::Send), plot);
  EXPECT_NEAR(static_cast<double>(fit.offset), -9, 0.05);
  EXPECT_NEAR(static_cast<double>(fit.margin), -3, 0.05);
  EXPECT_EQ(FigureText(MeasurementKind::Receive, -4.2879), "RLR = -4.28dB");
  EXPECT_EQ(FigureText(MeasurementKind::Echo, 42.619), "TCL = 42.61dB");
}

}  // namespace
}  // namespace vt::telephonometry
