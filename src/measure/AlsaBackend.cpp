#include "measure/AlsaBackend.h"

#include <alsa/asoundlib.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace vt::measure {

namespace {

constexpr unsigned kLatencyUs = 100000;  // device buffer: two port buffers of 50 ms
constexpr int kPollMs = 20;              // longest a stream thread sleeps between checks

// Simple-mixer element names tried for each line, in order.
struct LineElements {
  bool capture;
  const char* names[3];
};
const LineElements kLines[] = {
    {false, {"PCM", "Master", nullptr}},   // WaveOutSource
    {false, {"Headphone", nullptr}},       // Headphones
    {false, {"Speaker", "Master", nullptr}},  // Speakers
    {false, {"Line Out", "Line", nullptr}},   // LineOut
    {false, {"Monitor", nullptr}},         // Monitor
    {true, {"Capture", nullptr}},          // WaveInDestination
    {true, {"Line", "Mic", nullptr}},      // LineInSource
};

snd_mixer_elem_t* FindElement(snd_mixer_t* mixer, MixerLine line) {
  if (!mixer) return nullptr;
  const LineElements& l = kLines[static_cast<int>(line)];
  for (const char* name : l.names) {
    if (!name) break;
    snd_mixer_selem_id_t* id;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, name);
    snd_mixer_elem_t* e = snd_mixer_find_selem(mixer, id);
    if (!e) continue;
    if (l.capture ? snd_mixer_selem_has_capture_volume(e) : snd_mixer_selem_has_playback_volume(e))
      return e;
  }
  return nullptr;
}

// ALSA's own messages would go to stderr; its errors reach the user through
// LastError instead.
void Quiet(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

AlsaBackend::AlsaBackend(std::string device, std::string configText)
    : device_(device.empty() ? "default" : std::move(device)) {
  static const bool quiet = (snd_lib_error_set_handler(Quiet), true);
  (void)quiet;
  in_.capture = true;
  if (configText.empty()) return;
  snd_input_t* input = nullptr;
  if (snd_config_top(&config_) < 0) return;
  if (snd_input_buffer_open(&input, configText.data(), static_cast<ssize_t>(configText.size())) < 0 ||
      snd_config_load(config_, input) < 0) {
    SetError("Bad ALSA configuration text");
  }
  if (input) snd_input_close(input);
}

AlsaBackend::~AlsaBackend() {
  Close(in_);
  Close(out_);
  CloseMixer();
  if (config_) snd_config_delete(config_);
}

std::string AlsaBackend::MixerDeviceFor(const std::string& pcm) {
  for (const char* prefix : {"hw:", "plughw:"}) {
    const size_t n = std::strlen(prefix);
    if (pcm.compare(0, n, prefix) != 0) continue;
    std::string card = pcm.substr(n);
    card = card.substr(0, card.find(','));
    if (card.compare(0, 5, "CARD=") == 0) card = card.substr(5);
    return "hw:" + card;
  }
  return "default";
}

void AlsaBackend::SetError(const std::string& text) {
  std::lock_guard lock(errorMutex_);
  error_ = text;
}

std::string AlsaBackend::LastError() const {
  std::lock_guard lock(errorMutex_);
  return error_;
}

// ---- streams ------------------------------------------------------------------------

bool AlsaBackend::Open(Stream& s, const WaveFormat& format, DoneCallback done) {
  if (s.pcm) return false;
  const snd_pcm_stream_t dir = s.capture ? SND_PCM_STREAM_CAPTURE : SND_PCM_STREAM_PLAYBACK;
  int e = config_ ? snd_pcm_open_lconf(&s.pcm, device_.c_str(), dir, SND_PCM_NONBLOCK, config_)
                  : snd_pcm_open(&s.pcm, device_.c_str(), dir, SND_PCM_NONBLOCK);
  if (e >= 0)
    e = snd_pcm_set_params(s.pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                           format.channels, format.samplesPerSec, 1, kLatencyUs);
  if (e < 0) {
    SetError("Cannot open " + device_ + ": " + snd_strerror(e));
    if (s.pcm) snd_pcm_close(s.pcm);
    s.pcm = nullptr;
    return false;
  }
  s.format = format;
  s.done = std::move(done);
  s.queue.clear();
  s.pos = 0;
  s.running = !s.capture;
  s.resetRequest = s.quit = s.lost = false;
  {
    std::lock_guard lock(s.mutex);
    s.open = true;
  }
  s.thread = std::thread([this, &s] { Run(s); });
  return true;
}

// Streaming threads.
bool AlsaBackend::Queue(Stream& s, WaveHeader* header) {
  if (!header) return false;
  {
    std::lock_guard lock(s.mutex);
    if (!s.open) return false;
    if (s.capture) header->bytesRecorded = 0;
    s.queue.push_back(header);
  }
  s.cv.notify_all();
  return true;
}

// GUI thread: the stream thread drops what the device holds and hands every
// queued buffer back; this waits for that (bounded, so it cannot hang).
void AlsaBackend::Reset(Stream& s) {
  if (!s.pcm) return;
  std::unique_lock lock(s.mutex);
  s.resetRequest = true;
  s.cv.notify_all();
  s.cv.wait_for(lock, std::chrono::seconds(2), [&s] { return !s.resetRequest; });
}

void AlsaBackend::Close(Stream& s) {
  if (!s.pcm) return;
  Reset(s);
  {
    std::lock_guard lock(s.mutex);
    s.open = false;
    s.quit = true;
  }
  s.cv.notify_all();
  s.thread.join();
  snd_pcm_close(s.pcm);
  s.pcm = nullptr;
}

// The stream's own thread: moves the front buffer to or from the PCM.
void AlsaBackend::Run(Stream& s) {
  const uint32_t channels = s.format.channels;
  const uint32_t frameBytes = channels * 2;
  std::unique_lock lock(s.mutex);
  while (!s.quit) {
    if (s.resetRequest) {
      snd_pcm_drop(s.pcm);
      snd_pcm_prepare(s.pcm);
      std::deque<WaveHeader*> back;
      back.swap(s.queue);
      if (s.capture && !back.empty()) back.front()->bytesRecorded = s.pos * frameBytes;
      for (size_t k = 1; s.capture && k < back.size(); ++k) back[k]->bytesRecorded = 0;
      s.pos = 0;
      s.lost = false;
      if (s.capture) s.running = false;
      lock.unlock();
      for (WaveHeader* h : back)
        if (s.done) s.done(h);
      lock.lock();
      s.resetRequest = false;
      s.cv.notify_all();
      continue;
    }
    if (s.queue.empty() || s.lost || !s.running) {
      s.cv.wait(lock);
      continue;
    }
    WaveHeader* h = s.queue.front();
    const uint32_t total = h->bufferLength / frameBytes;
    const uint32_t pos = s.pos;
    lock.unlock();
    snd_pcm_sframes_t r = 0;
    if (pos < total) {
      int16_t* p = h->data + pos * channels;
      r = s.capture ? snd_pcm_readi(s.pcm, p, total - pos) : snd_pcm_writei(s.pcm, p, total - pos);
    }
    if (r == -EAGAIN) {
      snd_pcm_wait(s.pcm, kPollMs);
      r = 0;
    } else if (r < 0) {
      const int e = snd_pcm_recover(s.pcm, static_cast<int>(r), 1);  // xrun, suspend
      if (e < 0) {
        const std::string why = "Audio device " + device_ + " failed: " + snd_strerror(static_cast<int>(r));
        SetError(why);
        DeviceFailed(why);
        lock.lock();
        s.lost = true;
        continue;
      }
      if (s.capture) snd_pcm_start(s.pcm);
      r = 0;
    }
    lock.lock();
    s.pos += static_cast<uint32_t>(r);
    if (s.pos >= total && !s.queue.empty() && s.queue.front() == h) {
      s.queue.pop_front();
      s.pos = 0;
      if (s.capture) h->bytesRecorded = total * frameBytes;
      lock.unlock();
      if (s.done) s.done(h);
      lock.lock();
    }
  }
}

bool AlsaBackend::OpenInput(const WaveFormat& format, DoneCallback done) {
  return Open(in_, format, std::move(done));
}
bool AlsaBackend::AddInputBuffer(WaveHeader* header) { return Queue(in_, header); }
bool AlsaBackend::StartInput() {
  {
    std::lock_guard lock(in_.mutex);
    if (!in_.open) return false;
    in_.running = true;
  }
  in_.cv.notify_all();
  return true;
}
void AlsaBackend::ResetInput() { Reset(in_); }
void AlsaBackend::CloseInput() { Close(in_); }

bool AlsaBackend::OpenOutput(const WaveFormat& format, DoneCallback done) {
  return Open(out_, format, std::move(done));
}
bool AlsaBackend::WriteOutput(WaveHeader* header) { return Queue(out_, header); }
void AlsaBackend::ResetOutput() { Reset(out_); }
void AlsaBackend::CloseOutput() { Close(out_); }

// ---- mixer -----------------------------------------------------------------------------

bool AlsaBackend::OpenMixer() {
  if (mixer_) return true;
  const std::string card = MixerDeviceFor(device_);
  int e = snd_mixer_open(&mixer_, 0);
  if (e >= 0) e = snd_mixer_attach(mixer_, card.c_str());
  if (e >= 0) e = snd_mixer_selem_register(mixer_, nullptr, nullptr);
  if (e >= 0) e = snd_mixer_load(mixer_);
  if (e < 0) {
    SetError("No mixer for " + card + ": " + snd_strerror(e));
    if (mixer_) snd_mixer_close(mixer_);
    mixer_ = nullptr;
    return false;
  }
  return true;
}

void AlsaBackend::CloseMixer() {
  if (mixer_) snd_mixer_close(mixer_);
  mixer_ = nullptr;
}

// The element of a mixer line with its direction and volume range; false when
// the card has no such element or it has no volume.
bool VolumeElement(snd_mixer_t* mixer, MixerLine line, snd_mixer_elem_t*& e, bool& capture,
                   long& min, long& max) {
  e = FindElement(mixer, line);
  if (!e) return false;
  capture = kLines[static_cast<int>(line)].capture;
  return (capture ? snd_mixer_selem_get_capture_volume_range(e, &min, &max)
                  : snd_mixer_selem_get_playback_volume_range(e, &min, &max)) >= 0;
}

bool AlsaBackend::GetVolume(MixerLine line, VolumeControl& control) {
  snd_mixer_elem_t* e = nullptr;
  bool capture = false;
  long min = 0, max = 0;
  if (!VolumeElement(mixer_, line, e, capture, min, max)) return false;
  const bool mono = capture ? snd_mixer_selem_is_capture_mono(e) : snd_mixer_selem_is_playback_mono(e);
  control.maximum = max - min;
  control.values.clear();
  for (auto ch : {SND_MIXER_SCHN_FRONT_LEFT, SND_MIXER_SCHN_FRONT_RIGHT}) {
    long v = 0;
    if ((capture ? snd_mixer_selem_get_capture_volume(e, ch, &v)
                 : snd_mixer_selem_get_playback_volume(e, ch, &v)) < 0)
      return false;
    control.values.push_back(v - min);
    if (mono) break;
  }
  return true;
}

bool AlsaBackend::SetVolume(MixerLine line, const std::vector<long>& values) {
  snd_mixer_elem_t* e = nullptr;
  bool capture = false;
  long min = 0, max = 0;
  if (!VolumeElement(mixer_, line, e, capture, min, max)) return false;
  const snd_mixer_selem_channel_id_t ids[2] = {SND_MIXER_SCHN_FRONT_LEFT, SND_MIXER_SCHN_FRONT_RIGHT};
  for (size_t c = 0; c < 2 && c < values.size(); ++c) {
    const long v = std::min(max, min + values[c]);
    if ((capture ? snd_mixer_selem_set_capture_volume(e, ids[c], v)
                 : snd_mixer_selem_set_playback_volume(e, ids[c], v)) < 0)
      return false;
  }
  return true;
}

bool AlsaBackend::SetMute(MixerLine line, bool mute) {
  snd_mixer_elem_t* e = FindElement(mixer_, line);
  if (!e) return false;
  if (kLines[static_cast<int>(line)].capture)
    return snd_mixer_selem_has_capture_switch(e) &&
           snd_mixer_selem_set_capture_switch_all(e, mute ? 0 : 1) >= 0;
  return snd_mixer_selem_has_playback_switch(e) &&
         snd_mixer_selem_set_playback_switch_all(e, mute ? 0 : 1) >= 0;
}

}  // namespace vt::measure
