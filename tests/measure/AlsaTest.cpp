// The ALSA back end without a sound card: ALSA's own file and null PCMs from a
// configuration written by the test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "TestBlocks.h"
#include "measure/AlsaBackend.h"
#include "measure/AudioPort.h"
#include "tests/support/Files.h"

namespace vt::measure {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;
using testing::PortGuard;
using testing::TRamp;

class Alsa : public ::testing::Test {
 protected:
  void SetUp() override {
    played_ = dir_.File("played.raw");
    config_ = "pcm.vtplay { type file slave.pcm { type null } file \"" + played_ + "\" format raw }\n";
    ResetBufferPools();
    TSynchro::SetNoAudioTimeout(2000ms);
  }
  void TearDown() override {
    ClosePort();
    SetAudioBackend(nullptr);
    TSynchro::SetNoAudioTimeout(5000ms);
  }
  vt::testing::TempDir dir_;
  std::string played_, config_;
};

TEST_F(Alsa, PlaysGeneratedAudioIntoAFilePcm) {
  SetAudioBackend(std::make_unique<AlsaBackend>("vtplay", config_));
  TRamp ramp;
  TSynchro synchro;
  ramp.synchro = &synchro;
  synchro.SetThreshold(9);
  PortGuard guard;
  ASSERT_TRUE(OpenPort(48000, true, false, true, nullptr, nullptr, &ramp, nullptr, 960))
      << PortError();
  EXPECT_FALSE(SetPlaybackVolume(100, 100)) << "a file PCM has no mixer";
  synchro.Arm();
  StartPlayback();
  ASSERT_TRUE(synchro.Wait()) << synchro.Error();
  StopPlayback();
  const int buffers = ramp.calls;
  ClosePort();
  EXPECT_EQ(PortError(), "");

  std::ifstream file(played_, std::ios::binary);
  std::vector<int16_t> data((fs::file_size(played_)) / 2);
  file.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size() * 2));
  ASSERT_GE(data.size(), static_cast<size_t>(4 + 10) * 960);
  for (size_t k = 0; k < 4 * 960; ++k) ASSERT_EQ(data[k], 0) << "leading silence at " << k;
  // Left carries the ramp, right the idle generator's zeros; buffers not cut short.
  const size_t frames = (data.size() - 4 * 960) / 2;
  EXPECT_LE(frames, static_cast<size_t>(buffers) * 480);
  for (size_t f = 0; f < frames; ++f) {
    ASSERT_EQ(data[4 * 960 + 2 * f], static_cast<int16_t>(f % 30000 + 1)) << f;
    ASSERT_EQ(data[4 * 960 + 2 * f + 1], 0) << f;
  }
}

TEST_F(Alsa, MissingDeviceFailsToOpenWithAReason) {
  SetAudioBackend(std::make_unique<AlsaBackend>("vt_no_such_pcm", config_));
  PortGuard guard;
  EXPECT_FALSE(OpenPort(48000, true, true, true, nullptr, nullptr, nullptr, nullptr, 0));
  EXPECT_FALSE(PortInputOpen());
  EXPECT_NE(PortError().find("vt_no_such_pcm"), std::string::npos) << PortError();
}

TEST(AlsaMixer, DeviceForPcmName) {
  EXPECT_EQ(AlsaBackend::MixerDeviceFor("hw:1,0"), "hw:1");
  EXPECT_EQ(AlsaBackend::MixerDeviceFor("plughw:2,1"), "hw:2");
  EXPECT_EQ(AlsaBackend::MixerDeviceFor("hw:CARD=USB,DEV=0"), "hw:USB");
  EXPECT_EQ(AlsaBackend::MixerDeviceFor("vtplay"), "default");
}

}  // namespace
}  // namespace vt::measure
