// The wave bench: speech files played through the artificial mouth and into
// the radio tester's encoder, recordings taken from the artificial ear (or the
// electrical downlink) and from the tester's decoder, with levels referred to
// the calibration. The "Wave bench" window drives one of these; everything it
// shows and every gain it sets is worked out here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "telephonometry/BenchUi.h"
#include "telephonometry/CalData.h"
#include "telephonometry/CalFile.h"

namespace vt::telephonometry {

// The four groups of the window: two players, two recorders.
enum class WaveGroup { Mouth, Cmu, Ear, Decoder };

// rms and peak of a whole file in sample units (32767 = full scale).
struct FileLevel {
  double rms = 0;
  int peak = 0;
};

// Plays the file offline into a level analyzer to its end. False with the
// reason when the file cannot be played (not a wave file, not 16-bit, not at
// 8000 Hz) or holds only silence.
bool MeasureWaveFile(const std::string& path, FileLevel& level, std::string& error);
// "<rms>dBfs rms, <peak>dBfs pk", each cut to 0.1 dB.
std::string FileLevelText(const FileLevel& level);

class WaveBench {
 public:
  WaveBench();
  ~WaveBench();
  WaveBench(const WaveBench&) = delete;
  WaveBench& operator=(const WaveBench&) = delete;

  // Checks the calibrations, loads them for the DL interface, builds the
  // blocks, opens the port at the calibrated card volumes and starts both
  // directions. False (the user told why through `ui`) when something is not
  // calibrated, the cal file cannot be read or the sound card cannot be opened.
  bool Open(const CalFile& file, DlInterface dl, BenchUi& ui);
  bool IsOpen() const { return blocks_ != nullptr; }
  // Pauses and closes the players, completes the recordings, closes the port
  // and frees the blocks. Safe to call twice.
  void Close();
  bool Electrical() const { return cal_.electrical; }
  const CalData& Calibration() const { return cal_; }

  // "Start play" with a chosen file: measures it, shows its level in
  // `fileLevelText`, sets the group's reference and offset, makes it active
  // at scroll position 50 and opens it in the player. A file the player
  // cannot play leaves the group active and silent: false, and
  // `fileLevelText` says why.
  bool StartPlay(WaveGroup g, const std::string& path, std::string& fileLevelText);
  // The player paused, the file kept open.
  void StopPlay(WaveGroup g);
  // Back to the file's first sample and active again.
  void RestartPlay(WaveGroup g);
  // "Start record" with a chosen file; false with the reason when it cannot
  // be created.
  bool StartRecord(WaveGroup g, const std::string& path, std::string& error);
  // Completes the file, gain back to 0 dB, not active.
  void StopRecord(WaveGroup g);

  // The group's scroll bar moved to `position` (0..100): its block gain set
  // and its label's text returned; "" and nothing changed while the group is
  // not active.
  std::string ScrollBarChange(WaveGroup g, int position);
  // "Play looped" (players) and "Pause": kept, and applied to the block
  // while the group is active.
  void SetLooped(WaveGroup g, bool looped);
  void SetPaused(WaveGroup g, bool paused);
  bool Paused(WaveGroup g) const { return group(g).paused; }
  bool Active(WaveGroup g) const { return group(g).active; }
  // The group's gain on its block, dB (0 before it was started).
  double BlockGainDb(WaveGroup g) const { return group(g).gainDb; }

  // "Link with CMU player": the ear recording follows the tester player.
  // Linking pauses the ear recording until the tester plays.
  void SetLinked(bool linked);
  bool Linked() const { return linked_; }

  // The 200 ms tick: each recorder's peak since the last tick, and, while
  // linked, the ear recording paused and stopped once a non-looping tester
  // file has played to its end.
  void Tick(int32_t& earPeak, int32_t& decoderPeak);

 private:
  struct Group {
    bool active = false;
    bool paused = false;
    bool looped = true;
    double reference = 0;  // LM, LC, GE or GD
    double offset = 0;     // OM, OC, OE or OD
    double gainDb = 0;
  };
  struct Blocks;
  Group& group(WaveGroup g) { return groups_[static_cast<int>(g)]; }
  const Group& group(WaveGroup g) const { return groups_[static_cast<int>(g)]; }
  void ApplyGain(WaveGroup g, double db);
  void ApplyPause(WaveGroup g);

  Group groups_[4];
  CalData cal_;
  bool linked_ = false;
  std::unique_ptr<Blocks> blocks_;
};

}  // namespace vt::telephonometry
