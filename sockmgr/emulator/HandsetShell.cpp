// The shell commands of the emulated handset: "bbl ..." and "dbg ...".
#include <string>
#include <vector>

#include "common/Numbers.h"
#include "sockmgr/emulator/HandsetEmulator.h"

namespace vt::sockmgr {

namespace {

std::string Error(const std::string& what) { return "error: " + what + "\r\n"; }

bool Number(const std::string& text, long long lo, long long hi, long long& out) {
  long long v = 0;
  if (!TryStrToInt(text, v) || v < lo || v > hi) return false;
  out = v;
  return true;
}

std::string Usage(const std::string& form) { return Error("usage: " + form); }

}  // namespace

std::string HandsetEmulator::Bbl(const std::vector<std::string>& f, const std::string& line) {
  const std::string& cmd = f[1];
  long long a = 0, b = 0, v = 0;
  if (cmd == "peek") {
    if (f.size() != 3) return Usage("bbl peek <address>");
    if (!Number(f[2], 0, 0xFFFFFFFFLL, a)) return Error("bad address \"" + f[2] + "\"");
    uint32_t value = PeekLocked(uint32_t(a));
    return Answer("peek [" + std::to_string(a) + "]: ", value, a > 0xFFFF ? 8 : 4);
  }
  if (cmd == "poke") {
    if (f.size() != 4) return Usage("bbl poke <address> <value>");
    if (!Number(f[2], 0, 0xFFFFFFFFLL, a)) return Error("bad address \"" + f[2] + "\"");
    bool wide = a > 0xFFFF;
    if (!Number(f[3], wide ? -2147483648LL : -32768, wide ? 0xFFFFFFFFLL : 65535, v))
      return Error("bad value \"" + f[3] + "\"");
    uint32_t value = wide ? uint32_t(v) : uint32_t(v) & 0xFFFF;
    memory_[uint32_t(a)] = value;
    return "poke " + std::to_string(a) + " ok\r\n";
  }
  if (cmd == "shread16") {
    if (f.size() != 3) return Usage("bbl shread16 <address>");
    if (!Number(f[2], 0, 0xFFFF, a)) return Error("bad address \"" + f[2] + "\"");
    char addr[16];
    std::snprintf(addr, sizeof addr, "0x%04X", unsigned(a));
    return Answer(std::string("shread16 [") + addr + "]: ", IdWord(int(a)), 4);
  }
  if (cmd == "aurdm" || cmd == "aurdb" || cmd == "auwrm") {
    bool write = cmd == "auwrm";
    if (f.size() != (write ? 5u : 4u))
      return Usage(write ? "bbl auwrm <area> <index> <value>" : "bbl " + cmd + " <area> <index>");
    if (!Number(f[2], 1, kAreas, a)) return Error("bad area \"" + f[2] + "\"");
    if (!Number(f[3], 0, AreaSize(int(a)) - 1, b))
      return Error("bad index \"" + f[3] + "\" for area " + std::to_string(a));
    if (a == 8 && ApiLevelOfWord(int(b)) > apiLevel_)
      return cmd + " " + f[2] + " " + f[3] + ": error: call to an API failed\r\n";
    if (!write) return AreaRead(int(a), int(b), cmd == "aurdm", cmd);
    if (!Number(f[4], -32768, 65535, v)) return Error("bad value \"" + f[4] + "\"");
    return AreaWrite(int(a), int(b), uint16_t(uint32_t(v) & 0xFFFF));
  }
  return Error("unknown command \"" + line + "\"");
}

std::string HandsetEmulator::AreaRead(int area, int index, bool inForce, const std::string& cmd) {
  uint16_t value = inForce ? InForceLocked(area, index) : areas_[area].builtIn[size_t(index)];
  return Answer(cmd + " [" + std::to_string(area) + " " + std::to_string(index) + "] ", value, 4);
}

std::string HandsetEmulator::AreaWrite(int area, int index, uint16_t value) {
  Area& a = areas_[area];
  a.written[size_t(index)] = value;
  a.touched[size_t(index)] = true;
  if (area == 1 && index == 0 && value != 0) {
    ApplyEvent e;
    e.command = value;
    if (value == 4) e.mask = areas_[5].written[0];
    if (value == 8) e.mask = areas_[6].written[0];
    if (applies_.size() >= 100000) applies_.erase(applies_.begin(), applies_.begin() + 50000);
    applies_.push_back(e);
  }
  return "auwrm " + std::to_string(area) + " " + std::to_string(index) + " " +
         std::to_string(value) + " ok\r\n";
}

std::string HandsetEmulator::Dbg(const std::vector<std::string>& f, const std::string& line) {
  const std::string& cmd = f[1];
  long long a = 0, v = 0;
  if (cmd == "read") {
    if (f.size() != 3) return Usage("dbg read <address>");
    if (!Number(f[2], 0, 0xFFFFFFFFLL, a)) return Error("bad address \"" + f[2] + "\"");
    auto it = registers_.find(uint32_t(a));
    char addr[16];
    std::snprintf(addr, sizeof addr, "0x%08X", unsigned(a));
    return Answer(std::string("dbg read [") + addr + "]: ",
                  it == registers_.end() ? 0 : it->second, 8);
  }
  if (cmd == "write") {
    if (f.size() != 4) return Usage("dbg write <address> <value>");
    if (!Number(f[2], 0, 0xFFFFFFFFLL, a)) return Error("bad address \"" + f[2] + "\"");
    if (!Number(f[3], -2147483648LL, 0xFFFFFFFFLL, v)) return Error("bad value \"" + f[3] + "\"");
    registers_[uint32_t(a)] = uint32_t(v);
    return "dbg write ok\r\n";
  }
  if (cmd == "wait") {
    if (f.size() != 3) return Usage("dbg wait <milliseconds>");
    if (!Number(f[2], 0, 60000, v)) return Error("bad time \"" + f[2] + "\"");
    // The emulated handset answers at once: nothing to wait for.
    return "dbg wait ok\r\n";
  }
  return Error("unknown command \"" + line + "\"");
}

}  // namespace vt::sockmgr
