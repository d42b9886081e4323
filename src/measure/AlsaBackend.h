// The sound card through ALSA: a PCM per direction, each driven by a thread of
// its own, and the simple mixer of the card.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "measure/AudioBackend.h"

typedef struct _snd_pcm snd_pcm_t;
typedef struct _snd_config snd_config_t;
typedef struct _snd_mixer snd_mixer_t;

namespace vt::measure {

class AlsaBackend : public AudioBackend {
 public:
  // `device` is an ALSA PCM name ("default", "hw:0", "plughw:1,0", ...).
  // A non-empty `configText` is an ALSA configuration in which the device is
  // looked up instead of the system's (used to reach file and null PCMs).
  explicit AlsaBackend(std::string device, std::string configText = {});
  ~AlsaBackend() override;

  // The mixer device for a PCM name: "hw:N" for hw/plughw names, else "default".
  static std::string MixerDeviceFor(const std::string& pcm);

  std::string Name() const override { return "alsa:" + device_; }
  bool OpenInput(const WaveFormat& format, DoneCallback done) override;
  bool AddInputBuffer(WaveHeader* header) override;
  bool StartInput() override;
  void ResetInput() override;
  void CloseInput() override;
  bool OpenOutput(const WaveFormat& format, DoneCallback done) override;
  bool WriteOutput(WaveHeader* header) override;
  void ResetOutput() override;
  void CloseOutput() override;
  bool OpenMixer() override;
  void CloseMixer() override;
  bool GetVolume(MixerLine line, VolumeControl& control) override;
  bool SetVolume(MixerLine line, const std::vector<long>& values) override;
  bool SetMute(MixerLine line, bool mute) override;
  std::string LastError() const override;

 private:
  struct Stream {
    bool capture = false;
    bool open = false;         // guarded by mutex; pcm itself belongs to the GUI thread
    snd_pcm_t* pcm = nullptr;
    WaveFormat format;
    DoneCallback done;
    std::mutex mutex;
    std::condition_variable cv;
    std::deque<WaveHeader*> queue;
    uint32_t pos = 0;          // frames moved in queue.front()
    bool running = false;      // capture: started; playback: always once open
    bool resetRequest = false;
    bool quit = false;
    bool lost = false;         // the device failed; buffers are held until reset
    std::thread thread;
  };

  bool Open(Stream& s, const WaveFormat& format, DoneCallback done);
  bool Queue(Stream& s, WaveHeader* header);
  void Reset(Stream& s);
  void Close(Stream& s);
  void Run(Stream& s);
  void SetError(const std::string& text);

  std::string device_;
  snd_config_t* config_ = nullptr;
  Stream in_, out_;
  snd_mixer_t* mixer_ = nullptr;
  mutable std::mutex errorMutex_;
  std::string error_;
};

}  // namespace vt::measure
