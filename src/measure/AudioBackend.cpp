#include "measure/AudioBackend.h"

#include "measure/AlsaBackend.h"
#include "measure/VirtualBench.h"

namespace vt::measure {

WaveFormat MakeWaveFormat(int32_t sampleRate, bool stereo) {
  WaveFormat f;
  f.formatTag = 1;
  f.channels = stereo ? 2 : 1;
  f.samplesPerSec = static_cast<uint32_t>(sampleRate);
  f.bitsPerSample = 16;
  f.blockAlign = static_cast<uint16_t>(f.channels * 2);
  f.avgBytesPerSec = f.blockAlign * f.samplesPerSec;
  f.extraSize = 18;
  return f;
}

const char* MixerLineName(MixerLine line) {
  switch (line) {
    case MixerLine::WaveOutSource: return "wave-out source";
    case MixerLine::Headphones: return "headphones";
    case MixerLine::Speakers: return "speakers";
    case MixerLine::LineOut: return "line";
    case MixerLine::Monitor: return "monitor";
    case MixerLine::WaveInDestination: return "wave-in";
    case MixerLine::LineInSource: return "line-in";
  }
  return "?";
}

std::unique_ptr<AudioBackend> CreateAudioBackend(std::string_view choice, std::string* error) {
  if (choice.empty() || choice == "virtual") return std::make_unique<VirtualBench>(true);
  if (choice == "virtual:fast") return std::make_unique<VirtualBench>(false);
  if (choice == "alsa") return std::make_unique<AlsaBackend>("default");
  if (choice.substr(0, 5) == "alsa:" && choice.size() > 5)
    return std::make_unique<AlsaBackend>(std::string(choice.substr(5)));
  if (error)
    *error = "Unknown audio back end \"" + std::string(choice) +
             "\" (use virtual, virtual:fast, alsa or alsa:DEVICE)";
  return nullptr;
}

}  // namespace vt::measure
