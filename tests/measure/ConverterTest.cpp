// The conversion filter and the by-6 rate converters.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <thread>

#include "TestBlocks.h"
#include "measure/ConversionFilter.h"
#include "measure/RateConverters.h"

namespace vt::measure {
namespace {

using testing::TCapture;

double ResponseDb(const std::array<double, kConversionTaps>& h, double hz, double rate) {
  std::complex<double> sum = 0;
  for (int n = 0; n < kConversionTaps; ++n)
    sum += h[static_cast<size_t>(n)] * std::polar(1.0, -2 * std::numbers::pi * hz / rate * n);
  return 20 * std::log10(std::abs(sum));
}

TEST(ConversionFilter, SymmetricUnitGainAndTheStatedResponse) {
  const auto& h = ConversionFilter();
  EXPECT_TRUE(std::equal(h.begin(), h.end(), h.rbegin()));
  EXPECT_NEAR(std::accumulate(h.begin(), h.end(), 0.0), 1.0, 1e-9);
  const double points[][3] = {{0, 0, 0.01},       {2000, 0, 0.01},    {3000, -0.25, 0.02},
                              {3400, -2.8, 0.05}, {3600, -6.0, 0.05}, {4000, -19.0, 0.2}};
  for (const auto& p : points) EXPECT_NEAR(ResponseDb(h, p[0], 48000), p[1], p[2]) << p[0];
  // The stop band's first side lobe (4.5 .. 4.75 kHz) reaches -56 dB; beyond it -60 dB holds.
  for (double hz = 4500; hz <= 24000; hz += 25) EXPECT_LE(ResponseDb(h, hz, 48000), hz < 4750 ? -55.9 : -60) << hz;
}

// Reference interpolator: the input stream zero-stuffed by 6 (each input
// times 6, five zeros after it) and convolved with all 127 taps, then held to
// +-32767 and truncated.
std::vector<int16_t> ReferenceUp(const std::vector<int16_t>& x, size_t outputs) {
  const auto& h = ConversionFilter();
  std::vector<int16_t> y(outputs);
  for (size_t m = 0; m < outputs; ++m) {
    double acc = 0;
    for (size_t j = 0; j < h.size() && j <= m; ++j) {
      const size_t u = m - j;
      const double v = u % 6 == 0 && u / 6 < x.size() ? 6.0 * x[u / 6] : 0.0;
      acc += h[j] * v;
    }
    y[m] = static_cast<int16_t>(std::trunc(std::clamp(acc, -32767.0, 32767.0)));
  }
  return y;
}

// Writes -32000, -31003, -30006, ... (wrapping within +-32000) to its channel
// and keeps what it wrote. The jump at each wrap overshoots full scale through
// the filter: the output must be held there, not wrapped round to the other
// sign (a click on the artificial mouth).
struct TSteps : TMeasureTool {
  TSteps() : TMeasureTool("Steps") {}
  Event* Process(int16_t* s, int32_t n) override {
    for (int32_t i = 0; i < n; i += Stride()) {
      s[i] = static_cast<int16_t>(static_cast<int>(k++ * 997 % 64000) - 32000);
      fed.push_back(s[i]);
    }
    return nullptr;
  }
  unsigned k = 0;
  std::vector<int16_t> fed;
};

// Buffer lengths whose channel share is a multiple of 6 and lengths that are
// not (44100 Hz stereo: 2205 a channel; 4801 mono values).
struct Shape {
  bool stereo;
  int32_t count;
};
constexpr Shape kShapes[] = {{true, 4410}, {false, 4801}, {true, 7}};

// Five buffers in a row form one seamless stream: every value of the channel
// is written (none left from the buffer's earlier content), nothing past
// count, the other channel untouched.
TEST(UpSamplerBy6, IsAPlainPolyphaseInterpolatorForAnyBufferLength) {
  for (const Shape& shape : kShapes) {
    TSteps steps;
    TUpSamplerBy6 up(&steps);
    up.SetFormat(48000, shape.stereo);
    const size_t stride = shape.stereo ? 2 : 1;
    const size_t count = static_cast<size_t>(shape.count);
    std::vector<int16_t> channel;
    for (int b = 0; b < 5; ++b) {
      std::vector<int16_t> buf(count + 16, -4321);
      up.Process(buf.data(), shape.count);
      for (size_t k = 0; k < buf.size(); ++k) {
        const bool mine = k < count && k % stride == 0;
        if (mine) channel.push_back(buf[k]);
        else ASSERT_EQ(buf[k], -4321) << "count " << count << " wrote at " << k;
      }
    }
    const std::vector<int16_t> expect = ReferenceUp(steps.fed, channel.size());
    ASSERT_GE(steps.fed.size() * 6, channel.size());
    EXPECT_LT(steps.fed.size() * 6, channel.size() + 6) << "pulls only the inputs it needs";
    for (size_t m = 0; m < channel.size(); ++m)
      ASSERT_EQ(channel[m], expect[m]) << "stereo " << shape.stereo << " count " << count << " at " << m;
    EXPECT_TRUE(count < 100 || std::count(channel.begin(), channel.end(), int16_t{32767}) > 0) << "full scale held";
  }
}

// The analyzer gets exactly the values the filter produced, one stream across
// buffers whatever their length.
TEST(DownSamplerBy6, FiltersAndDecimatesOneStreamForAnyBufferLength) {
  const auto& h = ConversionFilter();
  for (const Shape& shape : kShapes) {
    TCapture capture;
    TDownSamplerBy6 down(&capture);
    down.SetFormat(48000, shape.stereo);
    const size_t stride = shape.stereo ? 2 : 1;
    std::vector<int16_t> left;
    unsigned k = 0;
    for (int b = 0; b < 5; ++b) {
      std::vector<int16_t> buf(static_cast<size_t>(shape.count));
      for (size_t i = 0; i < buf.size(); ++i, ++k)
        buf[i] = static_cast<int16_t>(15000 * std::sin(0.05 * k) + 8000 * std::sin(1.9 * k));
      for (size_t i = 0; i < buf.size(); i += stride) left.push_back(buf[i]);
      down.Process(buf.data(), shape.count);
    }
    ASSERT_EQ(capture.values.size(), left.size() / 6) << "count " << shape.count;
    for (size_t m = 0; m < capture.values.size(); ++m) {
      const size_t newest = 6 * m + 5;
      double y = 0;
      for (size_t i = 0; i < h.size() && i <= newest; ++i) y += h[i] * left[newest - i];
      ASSERT_EQ(capture.values[m], static_cast<int16_t>(std::trunc(y))) << shape.count << " at " << m;
    }
  }
}

// The streaming thread reaches the down-sampler through its current lock
// only: everything SetChild changed must be visible to whoever takes the new
// lock (ThreadSanitizer reports a filter reloaded after the new lock was
// published). The hand-over below is a relaxed flag, which orders nothing by
// itself, so the block's lock is the only link between the two threads.
TEST(DownSamplerBy6, SetChildFinishesBeforeTheNewLockIsPublished) {
  TCapture first, second;
  TDownSamplerBy6 down(&first);
  down.SetFormat(48000, false);
  std::vector<int16_t> loud(600, 30000);
  down.Process(loud.data(), 600);
  std::atomic<int> step{0};
  std::vector<int16_t> got;
  std::thread streaming([&] {
    while (step.load(std::memory_order_relaxed) == 0) std::this_thread::yield();
    std::vector<int16_t> silence(6, 0);
    auto lock = LockBlock(down);
    down.Process(silence.data(), 6);
    got = second.values;
  });
  down.SetChild(&second);
  step.store(1, std::memory_order_relaxed);
  streaming.join();
  EXPECT_EQ(got, std::vector<int16_t>{0}) << "the first output comes from cleared history";
  EXPECT_EQ(first.values.size(), 100u);
}

}  // namespace
}  // namespace vt::measure
