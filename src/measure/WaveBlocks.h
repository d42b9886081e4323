// A generator that plays a wave file and an analyzer that records one, both at
// the working rate (the port rate / 6, behind the rate converters).
#pragma once

#include <string>
#include <vector>

#include "measure/MeasureTool.h"
#include "measure/WaveFile.h"

namespace vt::measure {

// Every operation takes the block's lock and re-arms its synchro.
class TWavePlayer : public TMeasureTool {
 public:
  TWavePlayer() : TMeasureTool("WavePlayer") {}
  // GUI thread. Plays the file's first channel from now on. A file it cannot
  // play (missing, not a wave file, not 16-bit PCM, not at the port rate / 6)
  // gives silence: false, and Error() says why.
  bool Open(const std::string& path);
  void SetLoop(bool loop);
  void SetPause(bool pause);
  void SetGainDb(double db);
  void Rewind();
  void Close();
  bool EndReached() const;
  // Why the last Open plays silence; "" while a file plays.
  std::string Error() const;
  // Output streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  TWaveFile file_;
  bool pause_ = false;
  double gain_ = 1.0;
  std::string error_;
  std::vector<int16_t> scratch_;
};

class TWaveRecorder : public TMeasureTool {
 public:
  TWaveRecorder() : TMeasureTool("WaveRecorder") {}
  // GUI thread. A new mono 16-bit file at the port rate / 6; false (Error()
  // says why) when it cannot be created.
  bool Start(const std::string& path);
  void SetPause(bool pause);
  void SetGainDb(double db);
  // Completes the file.
  void Stop();
  // The largest |value x gain| since the last call, then 0 again.
  int32_t TakePeak();
  std::string Error() const;
  // Input streaming thread, Mutex() held.
  Event* Process(int16_t* samples, int32_t count) override;

 private:
  TWaveFile file_;
  bool pause_ = false;
  double gain_ = 1.0;
  int32_t peak_ = 0;
  std::string error_;
  std::vector<int16_t> scratch_;
};

}  // namespace vt::measure
