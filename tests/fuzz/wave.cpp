// A wave file's bytes: opened for reading (any header, any chunks) and read
// past its end, looped and not; a refused file must say why.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "measure/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/vt_fuzz_wave_" + std::to_string(::getpid()) + ".wav";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), std::streamsize(size));
  vt::measure::TWaveFile wave;
  if (!wave.OpenRead(path)) {
    if (wave.Error().empty()) std::abort();
  } else {
    int16_t left[300], right[300];
    for (bool loop : {false, true}) {
      wave.SetLoop(loop);
      for (int k = 0; k < 4; ++k) wave.Read(300, left, right);
      wave.Read(7, nullptr, right);
      wave.Rewind();
    }
  }
  std::remove(path.c_str());
  return 0;
}
