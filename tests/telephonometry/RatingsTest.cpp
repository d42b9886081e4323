// The single figures from known band values: the method's worked cases, and
// the bench's truth reached again by the measurement's own formulas.

#include <gtest/gtest.h>

#include "bench/BenchFile.h"
#include "bench/Truth.h"
#include "telephonometry/Ratings.h"

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
