// An INI file's bytes: read through the INI class, then one value set in its
// text (the section, key and value taken from the input's own first line).
// The value must read back as it was set, whatever the rest of the file holds.
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
  const std::string edited = vt::SetIniText(text, "S", "K", value);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << edited;
  if (Read(path) != value) std::abort();
  std::remove(path.c_str());
  return 0;
}
