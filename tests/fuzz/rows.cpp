// Text pasted into a value list ("Key=Value" lines, as copied from a memo),
// then every row read as a word: the paste sets only rows that exist, and a
// row that does not read as a word is named in the message.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editors/ParamLists.h"

using namespace vt::editors;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ControlMap controls;
  controls.SetList("L", {"UL_Gmin=0x0148", "UL_TauR=0x4100", "a0=0", "a1=-1", "gain=0x1000"});
  const int set = PasteRows(controls, "L", text);
  if (set < 0 || controls.ListRows("L").size() != 5) std::abort();
  const ListWords words = ReadListWords(controls.ListRows("L"), 1, 5);
  if (words.ok() ? words.words.size() != 5 : words.error.find("Row ") == std::string::npos)
    std::abort();
  for (size_t k = 0; k < size && k < 40; k += 8)
    if (auto w = ParseWord(text.substr(k, 8)); w && (*w < -32768 || *w > 65535)) std::abort();
  return 0;
}
