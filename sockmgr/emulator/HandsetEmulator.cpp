#include "sockmgr/emulator/HandsetEmulator.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "common/Numbers.h"
#include "sockmgr/emulator/BuiltInImages.h"

namespace vt::sockmgr {

namespace {

constexpr int kAreaSizes[HandsetEmulator::kAreas + 1] = {0, 16, 16, 16, 200, 16, 16, 16, 67};

const std::vector<uint32_t> kStatusType1 = {7599,  62988, 62989, 63017, 63016,
                                            62991, 62985, 62986, 62982};
// Indices 3 and 4 share one address on chip type 3.
const std::vector<uint32_t> kStatusType3 = {4168,  63500, 63501, 3642, 3642,
                                            63503, 63497, 63498, 63494};

// The group bit of area 7 word 0 that puts a word of area 8 in force; -1 for
// words that belong to no group.
int GroupOfApiWord(int index) {
  if (index >= 0 && index <= 8) return 0;
  if (index == 10 || index == 14) return 1;
  if (index >= 18 && index <= 23) return 2;
  if (index >= 24 && index <= 28) return 3;
  if (index == 29) return 4;
  if (index == 32) return 5;
  if (index == 39 || index == 40) return 6;
  if (index >= 41 && index <= 55) return 7;
  if (index >= 56 && index <= 60) return 8;
  if (index >= 61 && index <= 63) return 9;
  if (index == 64 || index == 65) return 10;
  if (index == 66) return 11;
  return -1;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  std::string f;
  while (in >> f) out.push_back(f);
  return out;
}



}  // namespace

bool FirmwareVersion::Parse(const std::string& text, FirmwareVersion& out) {
  int f[4];
  const long long hi[4] = {255, 4095, 15, 255};
  size_t pos = 0;
  for (int i = 0; i < 4; ++i) {
    size_t end = i < 3 ? text.find('.', pos) : text.size();
    if (end == std::string::npos) return false;
    std::string part = text.substr(pos, end - pos);
    if (part.empty() || part.find_first_not_of("0123456789") != std::string::npos) return false;
    long long v = 0;
    if (part.size() > 6 || !TryStrToInt(part, v) || v > hi[i]) return false;
    f[i] = int(v);
    pos = end + 1;
  }
  out = FirmwareVersion{f[0], f[1], f[2], f[3]};
  return true;
}

std::string FirmwareVersion::ToString() const {
  return std::to_string(A) + "." + std::to_string(B) + "." + std::to_string(C) + "." +
         std::to_string(D);
}

FirmwareVersion DefaultVersion(int chipType) {
  return chipType == 3 ? FirmwareVersion{3, 4, 8, 0} : FirmwareVersion{5, 28, 0, 0};
}

int ApiLevelFor(int chipType, const FirmwareVersion& v) {
  if (chipType != 3) return 0;
  if (v.A >= 4 || v >= FirmwareVersion{3, 4, 8, 0}) return 5;
  if (v >= FirmwareVersion{3, 4, 7, 0}) return 4;
  if (v >= FirmwareVersion{3, 4, 6, 0}) return 3;
  if (v >= FirmwareVersion{3, 4, 1, 2}) return 2;
  if (v >= FirmwareVersion{3, 2, 7, 2}) return 1;
  return 0;
}

int ApiLevelOfWord(int index) {
  if (index < 32) return 1;
  if (index < 39) return 2;
  if (index < 41) return 3;
  if (index < 56) return 4;
  return 5;
}

HandsetEmulator::HandsetEmulator(int chipType) : HandsetEmulator(chipType, DefaultVersion(chipType)) {}

HandsetEmulator::HandsetEmulator(int chipType, const FirmwareVersion& version)
    : chip_(chipType), version_(version) {
  if (chipType != 1 && chipType != 3)
    throw std::invalid_argument("chip type must be 1 or 3, not " + std::to_string(chipType));
  InitLocked();
}

void HandsetEmulator::InitLocked() {
  for (int a = 1; a <= kAreas; ++a) {
    Area& area = areas_[a];
    area.written.assign(size_t(kAreaSizes[a]), 0);
    area.builtIn.assign(size_t(kAreaSizes[a]), 0);
    area.touched.assign(size_t(kAreaSizes[a]), false);
  }
  const auto& codec = BuiltInCodecImage();
  for (size_t i = 0; i < codec.size(); ++i) areas_[6].builtIn[i] = codec[i];
  const auto& params = BuiltInParamImage(chip_);
  for (size_t i = 0; i < params.size(); ++i) areas_[4].builtIn[i] = params[i];
  areas_[5].builtIn[2] = 1;  // DSP item 1: normal mode
  apiLevel_ = ApiLevelFor(chip_, version_);
  memory_.clear();
  registers_.clear();
  statusPhase_.clear();
  applies_.clear();
  lines_.clear();
}

void HandsetEmulator::Reset() {
  std::lock_guard lock(mu_);
  InitLocked();
}

uint16_t HandsetEmulator::IdWord(int n) const {
  switch (n) {
    case 1: return uint16_t(((chip_ & 0xFF) << 8) | (version_.A & 0xFF));
    case 2: return uint16_t(((version_.C & 0xF) << 12) | (version_.B & 0xFFF));
    case 3: return uint16_t(version_.D & 0xFF);
    default: return 0;
  }
}

int HandsetEmulator::AreaSize(int area) {
  return area >= 1 && area <= kAreas ? kAreaSizes[area] : 0;
}

static bool InArea(int area, int index) {
  return index >= 0 && index < HandsetEmulator::AreaSize(area);
}

uint16_t HandsetEmulator::WrittenWord(int area, int index) const {
  std::lock_guard lock(mu_);
  return InArea(area, index) ? areas_[area].written[size_t(index)] : 0;
}

uint16_t HandsetEmulator::BuiltInWord(int area, int index) const {
  std::lock_guard lock(mu_);
  return InArea(area, index) ? areas_[area].builtIn[size_t(index)] : 0;
}

uint16_t HandsetEmulator::WordInForce(int area, int index) const {
  std::lock_guard lock(mu_);
  return InForceLocked(area, index);
}

void HandsetEmulator::SetWrittenWord(int area, int index, uint16_t value) {
  std::lock_guard lock(mu_);
  if (!InArea(area, index)) return;
  areas_[area].written[size_t(index)] = value;
  areas_[area].touched[size_t(index)] = true;
}

void HandsetEmulator::SetBuiltInWord(int area, int index, uint16_t value) {
  std::lock_guard lock(mu_);
  if (InArea(area, index)) areas_[area].builtIn[size_t(index)] = value;
}

bool HandsetEmulator::StatusBit(int area, int index) const {
  std::lock_guard lock(mu_);
  return StatusBitLocked(area, index);
}

bool HandsetEmulator::StatusBitLocked(int area, int index) const {
  if (!InArea(area, index)) return false;
  const auto& status = areas_[2].written;
  switch (area) {
    case 3: return (status[0] >> index) & 1;
    case 4: return (status[size_t(index / 16 + 1)] >> (index % 16)) & 1;
    case 5: return (status[14] >> index) & 1;
    case 6: return (status[15] >> index) & 1;
    case 8: {
      int group = GroupOfApiWord(index);
      return group >= 0 && ((areas_[7].written[0] >> group) & 1);
    }
    default: return false;
  }
}

uint16_t HandsetEmulator::InForceLocked(int area, int index) const {
  if (!InArea(area, index)) return 0;
  const Area& a = areas_[area];
  size_t i = size_t(index);
  if (area == 1 || area == 2 || area == 7) return a.written[i];
  if (area == 8 && GroupOfApiWord(index) < 0) return a.touched[i] ? a.written[i] : a.builtIn[i];
  return StatusBitLocked(area, index) ? a.written[i] : a.builtIn[i];
}

const std::vector<uint32_t>& HandsetEmulator::StatusAddresses() const {
  return chip_ == 3 ? kStatusType3 : kStatusType1;
}

uint32_t HandsetEmulator::Memory(uint32_t address) const {
  std::lock_guard lock(mu_);
  auto it = memory_.find(address);
  return it == memory_.end() ? 0 : it->second;
}

void HandsetEmulator::SetMemory(uint32_t address, uint32_t value) {
  std::lock_guard lock(mu_);
  memory_[address] = address <= 0xFFFF ? (value & 0xFFFF) : value;
}

uint32_t HandsetEmulator::PeekLocked(uint32_t address) {
  auto it = memory_.find(address);
  if (it != memory_.end()) return it->second;
  const auto& status = StatusAddresses();
  for (uint32_t s : status) {
    if (s != address) continue;
    // A level that wanders: a triangle over 0..16383 with a per-address offset.
    uint32_t phase = statusPhase_[address]++;
    uint32_t t = (phase * 1237u + address * 31u) % 32768u;
    return t < 16384 ? t : 32767 - t;
  }
  return 0;
}

uint32_t HandsetEmulator::Register(uint32_t address) const {
  std::lock_guard lock(mu_);
  auto it = registers_.find(address);
  return it == registers_.end() ? 0 : it->second;
}

void HandsetEmulator::SetRegister(uint32_t address, uint32_t value) {
  std::lock_guard lock(mu_);
  registers_[address] = value;
}

std::vector<ApplyEvent> HandsetEmulator::Applies() const {
  std::lock_guard lock(mu_);
  return applies_;
}

int HandsetEmulator::ApplyCount(int command) const {
  std::lock_guard lock(mu_);
  int n = 0;
  for (const auto& e : applies_) n += e.command == command;
  return n;
}

int HandsetEmulator::ApiLevel() const {
  std::lock_guard lock(mu_);
  return apiLevel_;
}

void HandsetEmulator::SetApiLevel(int level) {
  std::lock_guard lock(mu_);
  apiLevel_ = level < 0 ? 0 : level > 5 ? 5 : level;
}

std::vector<std::string> HandsetEmulator::Lines() const {
  std::lock_guard lock(mu_);
  return lines_;
}

void HandsetEmulator::ClearLines() {
  std::lock_guard lock(mu_);
  lines_.clear();
}

std::string HandsetEmulator::Execute(const std::string& line) {
  std::lock_guard lock(mu_);
  std::string text = line;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  if (lines_.size() >= 100000) lines_.erase(lines_.begin(), lines_.begin() + 50000);
  lines_.push_back(text);
  return Run(text);
}

std::string HandsetEmulator::Answer(const std::string& head, uint32_t value, int digits) const {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%0*X", digits, unsigned(value));
  return head + buf + "\r\n";
}

std::string HandsetEmulator::Run(const std::string& line) {
  auto f = Fields(line);
  if (f.empty()) return "\r\n";
  if (f[0] == "bbl" && f.size() >= 2) return Bbl(f, line);
  if (f[0] == "dbg" && f.size() >= 2) return Dbg(f, line);
  return "error: unknown command \"" + line + "\"\r\n";
}

}  // namespace vt::sockmgr
