// The emulated handset's shell over any line: each chip type answers every
// line with a non-empty text ended by CR LF, and keeps answering after it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sockmgr/emulator/HandsetEmulator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  for (int chip : {1, 3}) {
    vt::sockmgr::HandsetEmulator handset(chip);
    size_t from = 0;
    while (from <= input.size()) {  // the input may hold several lines
      size_t end = input.find('\n', from);
      if (end == std::string::npos) end = input.size();
      const std::string answer = handset.Execute(input.substr(from, end - from));
      if (answer.size() < 2 || answer.compare(answer.size() - 2, 2, "\r\n") != 0) std::abort();
      from = end + 1;
    }
    if (handset.Execute("bbl peek 0").empty()) std::abort();
  }
  return 0;
}
