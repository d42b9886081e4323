#include "telephonometry/WaveBench.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/Numbers.h"
#include "measure/AudioPort.h"
#include "measure/FirFilter.h"
#include "measure/LevelAnalyzer.h"
#include "measure/RateConverters.h"
#include "measure/WaveBlocks.h"
#include "measure/WaveFile.h"

namespace vt::telephonometry {

namespace {

constexpr int32_t kPortRate = 48000;
constexpr int32_t kBufferLength = 4800;

// A level cut to 0.1 dB, as the labels print it.
std::string Tenths(double db) { return FloatToStr(static_cast<long double>(Trunc(db * 10)) * 0.1L); }

double Db(double v) { return 20 * std::log10(v / 32767); }

void LoadFir(measure::TFirFilter& fir, const std::vector<double>& taps, bool enabled) {
  fir.SetCoefficients(taps.data(), static_cast<int32_t>(taps.size()));
  // A calibration without a correction FIR passes the signal as it is.
  fir.SetEnabled(enabled && !taps.empty());
}

}  // namespace

bool MeasureWaveFile(const std::string& path, FileLevel& level, std::string& error) {
  measure::TWavePlayer player;
  measure::TLevelAnalyzer analyzer;
  player.SetFormat(kPortRate, false);
  analyzer.SetFormat(kPortRate, false);
  if (!player.Open(path)) {
    error = player.Error();
    return false;
  }
  player.SetLoop(false);
  // Whole buffers up to the file's end, the last one padded with zeros (none
  // wholly past the end).
  measure::TWaveFile size;
  size.OpenRead(path);
  const uint64_t frames = size.BlockAlign() ? size.DataSize() / size.BlockAlign() : 0;
  constexpr int32_t kChunk = 1000;
  std::vector<int16_t> buffer(kChunk);
  for (uint64_t done = 0; done < frames; done += kChunk) {
    player.Process(buffer.data(), kChunk);
    analyzer.Process(buffer.data(), kChunk);
  }
  int16_t peak = 0;
  analyzer.GetLevel(&peak, &level.rms);
  level.peak = peak;
  if (level.rms <= 0) {
    error = "\"" + path + "\" holds only silence";
    return false;
  }
  return true;
}

std::string FileLevelText(const FileLevel& level) {
  return Tenths(Db(level.rms)) + "dBfs rms, " + Tenths(Db(std::max(level.peak, 1))) + "dBfs pk";
}

// Output: mouth player -> correction FIR -> up-sampler on the left, tester
// player -> up-sampler on the right. Input: down-sampler -> ear correction
// FIR -> ear recorder on the left, down-sampler -> tester recorder on the right.
struct WaveBench::Blocks {
  measure::TWavePlayer mouth, cmu;
  measure::TWaveRecorder ear, decoder;
  measure::TFirFilter mouthFir{&mouth};
  measure::TUpSamplerBy6 mouthUp{&mouthFir};
  measure::TUpSamplerBy6 cmuUp{&cmu};
  measure::TFirFilter earFir{&ear};
  measure::TDownSamplerBy6 earDown{&earFir};
  measure::TDownSamplerBy6 decoderDown{&decoder};
  bool portOpen = false;

  measure::TWavePlayer& Player(WaveGroup g) { return g == WaveGroup::Mouth ? mouth : cmu; }
  measure::TWaveRecorder& Recorder(WaveGroup g) { return g == WaveGroup::Ear ? ear : decoder; }
};

WaveBench::WaveBench() = default;

WaveBench::~WaveBench() { Close(); }

bool WaveBench::Open(const CalFile& file, DlInterface dl, BenchUi& ui) {
  Close();
  if (!CheckCalibrations(file, dl, ui)) return false;
  std::string error;
  cal_ = CalData{};
  if (!LoadCalData(file, EarTypeCode(dl), cal_, error)) {
    ui.Message("Error", error, MessageIcon::Error);
    return false;
  }
  for (Group& g : groups_) g = Group{};
  groups_[static_cast<int>(WaveGroup::Ear)].looped = false;
  groups_[static_cast<int>(WaveGroup::Decoder)].looped = false;
  linked_ = false;

  blocks_ = std::make_unique<Blocks>();
  Blocks& b = *blocks_;
  LoadFir(b.mouthFir, cal_.mouthFir, true);
  b.earFir.generatorMode = false;
  LoadFir(b.earFir, cal_.earFir, !cal_.electrical);

  measure::ResetBufferPools();
  if (!measure::OpenPort(kPortRate, true, true, true, &b.earDown, &b.decoderDown, &b.mouthUp, &b.cmuUp,
                         kBufferLength)) {
    const std::string why = measure::PortError();
    measure::ClosePort();
    blocks_.reset();
    ui.Message("Error", "The sound card could not be opened" + (why.empty() ? std::string(".") : ": " + why),
               MessageIcon::Error);
    return false;
  }
  b.portOpen = true;
  measure::SetPlaybackVolume(cal_.mouthCardGain, cal_.encoderCardGain);
  measure::SetRecordVolume(cal_.earCardGain, cal_.decoderCardGain);
  measure::StartRecording();
  measure::StartPlayback();
  return true;
}

void WaveBench::Close() {
  if (!blocks_) return;
  Blocks& b = *blocks_;
  for (measure::TWavePlayer* p : {&b.mouth, &b.cmu}) {
    p->SetPause(true);
    p->Close();
  }
  b.ear.Stop();
  b.decoder.Stop();
  if (b.portOpen) {
    measure::StopRecording();
    measure::StopPlayback();
    measure::ClosePort();
  }
  blocks_.reset();
  for (Group& g : groups_) g.active = false;
}

bool WaveBench::StartPlay(WaveGroup g, const std::string& path, std::string& fileLevelText) {
  if (!blocks_) return false;
  Group& grp = group(g);
  FileLevel level;
  std::string error;
  const bool playable = MeasureWaveFile(path, level, error);
  if (playable) {
    fileLevelText = FileLevelText(level);
    if (g == WaveGroup::Mouth) {
      grp.reference = MouthLevelDbPa(cal_, level.rms);
      grp.offset = -4.7 - grp.reference;
    } else {
      grp.reference = EncoderLevelDbm0(cal_, level.rms);
      grp.offset = -16 - grp.reference;
    }
  } else {
    fileLevelText = error;
  }
  grp.active = true;
  ScrollBarChange(g, 50);
  measure::TWavePlayer& player = blocks_->Player(g);
  player.SetLoop(grp.looped);
  player.SetPause(grp.paused);
  player.Open(path);
  if (g == WaveGroup::Cmu && linked_) SetPaused(WaveGroup::Ear, false);
  return playable;
}

void WaveBench::StopPlay(WaveGroup g) {
  if (!blocks_) return;
  blocks_->Player(g).SetPause(true);
  group(g).active = false;
  if (g == WaveGroup::Cmu && linked_) {
    SetPaused(WaveGroup::Ear, true);
    StopRecord(WaveGroup::Ear);
  }
}

void WaveBench::RestartPlay(WaveGroup g) {
  if (!blocks_) return;
  blocks_->Player(g).Rewind();
  group(g).active = true;
  ApplyPause(g);
  if (g == WaveGroup::Cmu && linked_) SetPaused(WaveGroup::Ear, false);
}

bool WaveBench::StartRecord(WaveGroup g, const std::string& path, std::string& error) {
  if (!blocks_) return false;
  Group& grp = group(g);
  if (g == WaveGroup::Ear) {
    grp.reference = cal_.earGain;
    grp.offset = (cal_.electrical ? 0 : -22.14) - cal_.earGain;
  } else {
    grp.reference = cal_.decoderGain;
    grp.offset = -6.14 - cal_.decoderGain;
  }
  grp.active = true;
  ScrollBarChange(g, 50);
  ApplyPause(g);
  measure::TWaveRecorder& recorder = blocks_->Recorder(g);
  if (recorder.Start(path)) return true;
  error = recorder.Error();
  return false;
}

void WaveBench::StopRecord(WaveGroup g) {
  if (!blocks_) return;
  measure::TWaveRecorder& recorder = blocks_->Recorder(g);
  recorder.Stop();
  recorder.SetGainDb(0);
  group(g).gainDb = 0;
  group(g).active = false;
}

std::string WaveBench::ScrollBarChange(WaveGroup g, int position) {
  const Group& grp = group(g);
  if (!grp.active || !blocks_) return {};
  const double d = (position - 50) * 0.5;
  ApplyGain(g, d + grp.offset);
  const std::string level = Tenths(grp.reference + d);
  switch (g) {
    case WaveGroup::Mouth: return level + "dBPa";
    case WaveGroup::Cmu: return level + "dBm0";
    case WaveGroup::Ear: return level + (cal_.electrical ? "dBm0 when 0dBm0" : "dBfs when 0dBPa");
    case WaveGroup::Decoder: break;
  }
  return level + "dBfs when 0dBm0";
}

void WaveBench::ApplyGain(WaveGroup g, double db) {
  group(g).gainDb = db;
  if (g == WaveGroup::Mouth || g == WaveGroup::Cmu)
    blocks_->Player(g).SetGainDb(db);
  else
    blocks_->Recorder(g).SetGainDb(db);
}

void WaveBench::ApplyPause(WaveGroup g) {
  if (!blocks_ || !group(g).active) return;
  if (g == WaveGroup::Mouth || g == WaveGroup::Cmu)
    blocks_->Player(g).SetPause(group(g).paused);
  else
    blocks_->Recorder(g).SetPause(group(g).paused);
}

void WaveBench::SetLooped(WaveGroup g, bool looped) {
  group(g).looped = looped;
  if (blocks_ && group(g).active && (g == WaveGroup::Mouth || g == WaveGroup::Cmu))
    blocks_->Player(g).SetLoop(looped);
}

void WaveBench::SetPaused(WaveGroup g, bool paused) {
  group(g).paused = paused;
  ApplyPause(g);
}

void WaveBench::SetLinked(bool linked) {
  linked_ = linked;
  if (linked) SetPaused(WaveGroup::Ear, true);
}

void WaveBench::Tick(int32_t& earPeak, int32_t& decoderPeak) {
  earPeak = decoderPeak = 0;
  if (!blocks_) return;
  earPeak = blocks_->ear.TakePeak();
  decoderPeak = blocks_->decoder.TakePeak();
  if (linked_ && blocks_->cmu.EndReached() && !group(WaveGroup::Ear).paused) {
    SetPaused(WaveGroup::Ear, true);
    StopRecord(WaveGroup::Ear);
  }
}

}  // namespace vt::telephonometry
