// The port's life: open, start, stop, close, and the mixer volumes.

#include "measure/AudioPort.h"

#include <chrono>
#include <cstring>

#include "measure/PortInternal.h"

namespace vt::measure {

namespace {
// Defined before the port so that they outlive it at exit.
TDummyAnalyzer g_dummyAnalyzers[2];
TDummyGenerator g_dummyGenerators[2];
PortState g_port;

constexpr auto kDrainTime = std::chrono::seconds(2);

unsigned Processors() {
  const unsigned n = std::thread::hardware_concurrency();
  return n == 0 ? 1 : n;
}

bool Drained(PortDirection& d) {
  std::unique_lock lock(d.queueMutex);
  return d.drained.wait_for(lock, kDrainTime, [&d] { return !d.queue[0] && d.inFlight == 0; });
}

// GUI thread: stops the device, lets the thread finish the returned buffers,
// closes the device and ends the thread. Bounded at every step.
void CloseDirection(PortDirection& d) {
  if (!d.open) return;
  AudioBackend& backend = *g_port.backend;
  auto reset = [&] {
    std::lock_guard order(d.deviceMutex);
    d.active.store(false);
    d.input ? backend.ResetInput() : backend.ResetOutput();
  };
  reset();
  if (!Drained(d)) {
    reset();  // a buffer handed over while the first reset ran
    if (!Drained(d)) ReportStreamError("Audio buffers did not come back from the device");
  }
  d.input ? backend.CloseInput() : backend.CloseOutput();
  d.stop.store(true);
  d.completed->release();
  d.thread.join();
  d.stop.store(false);
  d.completed.reset();
  {
    std::lock_guard lock(d.queueMutex);
    d.queue.fill(nullptr);
    d.inFlight = 0;
  }
  d.open = false;
}

void SetupBlocks(TMeasureTool* blocks[2], TMeasureTool* left, TMeasureTool* right,
                 TMeasureTool* idleLeft, TMeasureTool* idleRight, int32_t rate, bool stereo) {
  blocks[0] = left ? left : idleLeft;
  blocks[1] = right ? right : idleRight;
  for (int c = 0; c < 2; ++c) blocks[c]->SetFormat(rate, stereo);
}

bool StartDirection(PortDirection& d, const WaveFormat& format, unsigned mask) {
  AudioBackend& backend = *g_port.backend;
  d.length = g_port.bufferLength;
  d.completed = std::make_unique<std::counting_semaphore<1 << 20>>(0);
  d.active.store(true);
  const bool ok = d.input ? backend.OpenInput(format, InputDone) : backend.OpenOutput(format, OutputDone);
  if (!ok) {
    d.active.store(false);
    d.completed.reset();
    ReportStreamError(backend.LastError());
    return false;
  }
  d.open = true;
  d.thread = std::thread(d.input ? InputThread : OutputThread, mask);
  return true;
}

// A line's volume on the 0..32767 scale; negative leaves a channel alone.
bool SetLineVolume(MixerLine line, int32_t left, int32_t right) {
  if (!g_port.mixerOpen) return false;
  AudioBackend& backend = *g_port.backend;
  VolumeControl control;
  if (!backend.GetVolume(line, control) || control.maximum <= 0 || control.values.empty())
    return false;
  const double scale = static_cast<double>(control.maximum) * (1.0 / 32767);
  for (size_t k = 0; k < control.values.size() && k < 20; ++k) {
    const int32_t v = k % 2 == 0 ? left : right;
    if (v < 0) continue;
    const long scaled = static_cast<long>(v * scale);
    control.values[k] = scaled > control.maximum ? control.maximum : scaled;
  }
  return backend.SetVolume(line, control.values);
}

bool Unmute(MixerLine line) { return g_port.mixerOpen && g_port.backend->SetMute(line, false); }

// GUI thread: a header with a data block of `length` values, or null (reported).
WaveHeader* NewBuffer(int32_t length, const char* whyNot) {
  int16_t* block = AllocateDataBlock();
  WaveHeader* h = block ? AllocateHeader(nullptr, nullptr) : nullptr;
  if (!h) {
    if (block) FreeDataBlock(block);
    ReportStreamError(whyNot);
    return nullptr;
  }
  h->data = block;
  h->bufferLength = static_cast<uint32_t>(length) * 2;
  return h;
}

// GUI thread: counts the buffer in flight and hands it to the device.
template <typename Give>
void Hand(PortDirection& d, WaveHeader* h, Give give) {
  {
    std::lock_guard lock(d.queueMutex);
    ++d.inFlight;
  }
  if (give(h)) return;
  {
    std::lock_guard lock(d.queueMutex);
    --d.inFlight;
  }
  int16_t* block = h->data;
  FreeHeader(h, nullptr, nullptr);
  FreeDataBlock(block);
}

}  // namespace

PortState& Port() { return g_port; }

PortState::~PortState() { ClosePort(); }

TDummyAnalyzer& DummyAnalyzer(int channel) { return g_dummyAnalyzers[channel & 1]; }
TDummyGenerator& DummyGenerator(int channel) { return g_dummyGenerators[channel & 1]; }

void ReportStreamError(const std::string& text) {
  if (text.empty()) return;
  std::lock_guard lock(g_port.errorMutex);
  if (g_port.error.empty()) g_port.error = text;
}

std::string PortError() {
  std::lock_guard lock(g_port.errorMutex);
  return g_port.error;
}

void SetAudioBackend(std::shared_ptr<AudioBackend> backend) {
  if (g_port.in.open || g_port.out.open) return;
  if (g_port.mixerOpen && g_port.backend) g_port.backend->CloseMixer();
  g_port.mixerOpen = false;
  g_port.backend = std::move(backend);
}

AudioBackend& CurrentAudioBackend() {
  if (!g_port.backend) g_port.backend = CreateAudioBackend("virtual");
  return *g_port.backend;
}

bool OpenPort(int32_t sampleRate, bool stereo, bool openInput, bool openOutput,
              TMeasureTool* leftAnalyzer, TMeasureTool* rightAnalyzer,
              TMeasureTool* leftGenerator, TMeasureTool* rightGenerator, int32_t bufferLength) {
  if ((openOutput && g_port.out.open) || (openInput && g_port.in.open)) return false;
  const WaveFormat format = MakeWaveFormat(sampleRate, stereo);
  const int32_t n = bufferLength >= 1
                        ? bufferLength
                        : static_cast<int32_t>(sampleRate * format.channels * 0.025) * 2;
  if (n > kMaxBufferValues) return false;
  CurrentAudioBackend();
  if (!g_port.in.open && !g_port.out.open) {
    // No device thread runs yet: safe to hand the back end its failure report.
    g_port.backend->SetFailureCallback(ReportStreamError);
    std::lock_guard lock(g_port.errorMutex);
    g_port.error.clear();
  }
  g_port.bufferLength = n;

  const unsigned processors = Processors();
  unsigned inMask = processors >= 2 ? 2 : 1;
  unsigned outMask = processors >= 2 ? 2 : 1;
  if (openInput && openOutput) outMask = processors >= 3 ? 4 : 1;

  bool openedInput = false;
  if (openInput) {
    SetupBlocks(g_port.in.blocks, leftAnalyzer, rightAnalyzer, &g_dummyAnalyzers[0],
                &g_dummyAnalyzers[1], sampleRate, stereo);
    if (!StartDirection(g_port.in, format, inMask)) return false;
    openedInput = true;
  }
  if (openOutput) {
    SetupBlocks(g_port.out.blocks, leftGenerator, rightGenerator, &g_dummyGenerators[0],
                &g_dummyGenerators[1], sampleRate, stereo);
    if (!StartDirection(g_port.out, format, outMask)) {
      if (openedInput) CloseDirection(g_port.in);
      return false;
    }
  }
  if (!g_port.mixerOpen) g_port.mixerOpen = g_port.backend->OpenMixer();
  return true;
}

void StartRecording() {
  PortDirection& d = g_port.in;
  if (!d.open) return;
  std::lock_guard order(d.deviceMutex);
  for (int k = 0; k < kBuffersInFlight; ++k) {
    WaveHeader* h = NewBuffer(d.length, "No free audio buffer to start recording");
    if (!h) break;
    Hand(d, h, [](WaveHeader* b) { return g_port.backend->AddInputBuffer(b); });
  }
  d.active.store(true);
  g_port.backend->StartInput();
}

void StartPlayback() {
  PortDirection& d = g_port.out;
  if (!d.open) return;
  d.active.store(true);
  std::lock_guard order(d.deviceMutex);
  for (int k = 0; k < kBuffersInFlight; ++k) {
    WaveHeader* h = NewBuffer(d.length, "No free audio buffer to start playback");
    if (!h) break;
    std::memset(h->data, 0, h->bufferLength);  // 200 ms of silence lead the audio
    Hand(d, h, [](WaveHeader* b) { return g_port.backend->WriteOutput(b); });
  }
}

void StopRecording() {
  if (!g_port.in.open) return;
  std::lock_guard order(g_port.in.deviceMutex);
  g_port.in.active.store(false);
  g_port.backend->ResetInput();
}

void StopPlayback() {
  if (!g_port.out.open) return;
  std::lock_guard order(g_port.out.deviceMutex);
  g_port.out.active.store(false);
  g_port.backend->ResetOutput();
}

void ClosePort() {
  if (!g_port.backend) return;
  CloseDirection(g_port.in);
  CloseDirection(g_port.out);
  if (g_port.mixerOpen) g_port.backend->CloseMixer();
  g_port.mixerOpen = false;
  g_port.bufferLength = 0;
}

bool SetPlaybackVolume(int32_t left, int32_t right) {
  Unmute(MixerLine::WaveOutSource);
  for (MixerLine dest : {MixerLine::Headphones, MixerLine::Speakers, MixerLine::LineOut,
                         MixerLine::Monitor}) {
    SetLineVolume(dest, left, right);
    Unmute(dest);
  }
  return SetLineVolume(MixerLine::WaveOutSource, left, right);
}

bool SetRecordVolume(int32_t left, int32_t right) {
  const bool master = SetLineVolume(MixerLine::WaveInDestination, left, right);
  const bool lineIn = SetLineVolume(MixerLine::LineInSource, left, right);
  return master || lineIn;
}

int32_t PortBufferLength() { return g_port.bufferLength; }
bool PortInputOpen() { return g_port.in.open; }
bool PortOutputOpen() { return g_port.out.open; }

}  // namespace vt::measure
