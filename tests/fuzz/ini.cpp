// An INI file's bytes: read through the INI class, then one value set in its
// text (the section, key and value taken from the input's own first line).
// The value must read back as it was set, whatever else the file holds.
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "common/IniFile.h"

namespace {
std::string Read(const std::string& path) {
  vt::IniFile ini(path);
  ini.ReadInteger("voxhost", "LinkTimeoutMs", 0);
  ini.ReadFloat("Calibration", "Gain", 0);
  return ini.ReadString("S", "K", "");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/vt_fuzz_ini_" + std::to_string(::getpid()) + ".ini";
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  Read(path);

  // A value of the kind the tool writes: a number, a device or file name.
  std::string value;
  for (char c : text.substr(0, 16))
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '_') value += c;
  // A "[" line that never closes makes the reader take the lines after it
  // (across line ends) as a section name: no write can be read back there.
  bool unclosed = false;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find_first_of("\r\n", at);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    const size_t first = line.find_first_not_of(std::string(" \t\0", 3));
    if (first != std::string::npos && line[first] == '[' && line.find(']') == std::string::npos)
      unclosed = true;
    at = end + 1;
  }
  const std::string edited = vt::SetIniText(text, "S", "K", value);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << edited;
  if (Read(path) != value && !unclosed) std::abort();
  std::remove(path.c_str());
  return 0;
}
