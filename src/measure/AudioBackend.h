// What the port needs from a sound card: a wave-in and a wave-out device that
// take prepared buffers and hand each one back "done" on their own thread, and
// a mixer with volume and mute controls per line.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vt::measure {

class Event;

// One buffer travelling between the port and a device.
struct WaveHeader {
  int16_t* data = nullptr;
  uint32_t bufferLength = 0;   // bytes
  uint32_t bytesRecorded = 0;  // bytes filled by an input device
  uint32_t flags = 0;
  Event* events[2] = {nullptr, nullptr};  // the generators' events for this buffer
};

// The PCM format record given to both devices.
struct WaveFormat {
  uint16_t formatTag = 1;  // PCM
  uint16_t channels = 2;
  uint32_t samplesPerSec = 48000;
  uint32_t avgBytesPerSec = 192000;
  uint16_t blockAlign = 4;
  uint16_t bitsPerSample = 16;
  uint16_t extraSize = 18;
};

WaveFormat MakeWaveFormat(int32_t sampleRate, bool stereo);

// The mixer lines the volume operations reach.
enum class MixerLine {
  WaveOutSource,      // the player's own volume
  Headphones,         // destinations ...
  Speakers,
  LineOut,
  Monitor,
  WaveInDestination,  // the recorder's master volume
  LineInSource,
};
const char* MixerLineName(MixerLine line);

// A volume control: its range and one value per channel.
struct VolumeControl {
  long maximum = 0;  // values run from 0 to maximum
  std::vector<long> values;
};

class AudioBackend {
 public:
  // Called on the back end's own thread (or on the thread that resets the
  // device) with a buffer the device has finished with.
  using DoneCallback = std::function<void(WaveHeader*)>;

  virtual ~AudioBackend() = default;
  virtual std::string Name() const = 0;

  // GUI thread. False when the device cannot be opened (LastError says why).
  virtual bool OpenInput(const WaveFormat& format, DoneCallback done) = 0;
  // Input streaming thread or GUI thread: queue an empty buffer.
  virtual bool AddInputBuffer(WaveHeader* header) = 0;
  // GUI thread: begin filling queued buffers.
  virtual bool StartInput() = 0;
  // GUI thread: stop; every queued buffer comes back done before this returns.
  virtual void ResetInput() = 0;
  // GUI thread: reset and close. Safe when not open.
  virtual void CloseInput() = 0;

  // GUI thread.
  virtual bool OpenOutput(const WaveFormat& format, DoneCallback done) = 0;
  // Output streaming thread or GUI thread: queue a filled buffer for playing.
  virtual bool WriteOutput(WaveHeader* header) = 0;
  // GUI thread: stop; every queued buffer comes back done before this returns.
  virtual void ResetOutput() = 0;
  // GUI thread: reset and close. Safe when not open.
  virtual void CloseOutput() = 0;

  // GUI thread: the mixer of the card.
  virtual bool OpenMixer() = 0;
  virtual void CloseMixer() = 0;
  virtual bool GetVolume(MixerLine line, VolumeControl& control) = 0;
  virtual bool SetVolume(MixerLine line, const std::vector<long>& values) = 0;
  virtual bool SetMute(MixerLine line, bool mute) = 0;

  // Any thread: the last device error ("" when none).
  virtual std::string LastError() const = 0;

  // GUI thread, devices closed: told (on the failing device's thread) when an
  // open device fails while streaming.
  using FailureCallback = std::function<void(const std::string&)>;
  void SetFailureCallback(FailureCallback failed) { failed_ = std::move(failed); }

 protected:
  // Back end's thread: an open device stopped working.
  void DeviceFailed(const std::string& why) const {
    if (failed_) failed_(why);
  }

 private:
  FailureCallback failed_;
};

// "virtual" (the bench in real time, the default for an empty text),
// "virtual:fast" (as fast as buffers are consumed), "alsa" (device "default")
// or "alsa:DEVICE". Null, with `error` set, for anything else.
std::unique_ptr<AudioBackend> CreateAudioBackend(std::string_view choice, std::string* error = nullptr);

}  // namespace vt::measure
