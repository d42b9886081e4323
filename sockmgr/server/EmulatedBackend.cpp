#include "sockmgr/server/Backend.h"

namespace vt::sockmgr {

EmulatedBackend::EmulatedBackend(int chipType) : emulator_(chipType) {}

EmulatedBackend::EmulatedBackend(int chipType, const FirmwareVersion& version)
    : emulator_(chipType, version) {}

std::string EmulatedBackend::Execute(const std::string& line, int) {
  return emulator_.Execute(line);
}

std::string EmulatedBackend::Describe() const {
  return "emulated handset, chip type " + std::to_string(emulator_.ChipType()) + ", firmware " +
         emulator_.Version().ToString();
}

}  // namespace vt::sockmgr
