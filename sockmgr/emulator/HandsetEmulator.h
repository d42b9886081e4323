// A Q7xx handset as its debug shell answers: identification words for a chosen
// chip type and firmware version, the numbered memory areas with written and
// built-in words and their status bits, plain addresses for peek and poke,
// the apply commands and the dbg registers. Used by voxsockmgr and by tests.
// Thread-safe: the server runs lines on its thread while tests inspect.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace vt::sockmgr {

struct FirmwareVersion {
  int A = 5, B = 28, C = 0, D = 0;
  // "A.B.C.D" -> version; false when the text is not four numbers in range
  // (A, D: 0..255, B: 0..4095, C: 0..15).
  static bool Parse(const std::string& text, FirmwareVersion& out);
  std::string ToString() const;
  friend auto operator<=>(const FirmwareVersion&, const FirmwareVersion&) = default;
};

// The firmware a chip type reports when no version is chosen: 5.28.0.0 for
// chip type 1, 3.4.8.0 for chip type 3.
FirmwareVersion DefaultVersion(int chipType);

// How many of the five API levels of area 8 a firmware provides (0..5). Level
// 1 covers words 0..31, 2 words 32..38, 3 words 39..40, 4 words 41..55 and
// 5 words 56 and up. Chip type 1 has none.
int ApiLevelFor(int chipType, const FirmwareVersion& v);

// The API level a word of area 8 needs.
int ApiLevelOfWord(int index);

// One apply step: a non-zero command written to area 1 word 0, with the apply
// mask then standing in area 5 word 0 (DSP) or area 6 word 0 (codec).
struct ApplyEvent {
  int command = 0;        // 1 tone, 2 parameters, 4 DSP, 8 codec
  uint16_t mask = 0;      // area 5 word 0 for 4, area 6 word 0 for 8, else 0
};

class HandsetEmulator {
 public:
  static constexpr int kAreas = 8;

  // chipType must be 1 or 3 (std::invalid_argument otherwise).
  explicit HandsetEmulator(int chipType = 1);
  HandsetEmulator(int chipType, const FirmwareVersion& version);

  // Runs one shell line ("bbl peek 4168\r\n"; the line end is optional) and
  // returns the handset's answer, always non-empty and ended by "\r\n".
  std::string Execute(const std::string& line);

  int ChipType() const { return chip_; }
  FirmwareVersion Version() const { return version_; }
  // The three identification words answered to "bbl shread16 0x0001..3".
  uint16_t IdWord(int n) const;

  // Number of words of an area (0 for an area outside 1..8).
  static int AreaSize(int area);

  // Inspection and set-up for tests. Area words out of range read as 0 and
  // are not stored.
  uint16_t WrittenWord(int area, int index) const;
  uint16_t BuiltInWord(int area, int index) const;
  uint16_t WordInForce(int area, int index) const;
  void SetWrittenWord(int area, int index, uint16_t value);
  void SetBuiltInWord(int area, int index, uint16_t value);
  // The status bit that decides whether a word of areas 3, 4, 5, 6 or 8 is in
  // force (area 2 word and bit, or the group bit of area 7 word 0); false for
  // words without one.
  bool StatusBit(int area, int index) const;

  // Plain addresses ("bbl peek"/"bbl poke"). Addresses up to 0xFFFF hold
  // 16-bit words, higher addresses 32-bit words.
  uint32_t Memory(uint32_t address) const;
  void SetMemory(uint32_t address, uint32_t value);
  // The status addresses polled by the module (ReadStatusWord): each peek
  // gives a new plausible value unless a value was poked there.
  const std::vector<uint32_t>& StatusAddresses() const;

  // dbg registers (32-bit).
  uint32_t Register(uint32_t address) const;
  void SetRegister(uint32_t address, uint32_t value);

  // Apply steps seen so far, and how many carried a given command.
  std::vector<ApplyEvent> Applies() const;
  int ApplyCount(int command) const;

  // Area-8 availability: level 0 makes every area-8 access answer "call to an
  // API failed"; 5 makes all answer. Starts at ApiLevelFor(chip, version).
  int ApiLevel() const;
  void SetApiLevel(int level);

  // Every line received, as received (line end removed), oldest first.
  std::vector<std::string> Lines() const;
  void ClearLines();

  // Back to the state right after construction.
  void Reset();

 private:
  struct Area {
    std::vector<uint16_t> written, builtIn;
    std::vector<bool> touched;  // written at least once (for words without status)
  };

  std::string Run(const std::string& line);
  std::string Bbl(const std::vector<std::string>& f, const std::string& line);
  std::string Dbg(const std::vector<std::string>& f, const std::string& line);
  std::string AreaRead(int area, int index, bool inForce, const std::string& cmd);
  std::string AreaWrite(int area, int index, uint16_t value);
  uint16_t InForceLocked(int area, int index) const;
  bool StatusBitLocked(int area, int index) const;
  uint32_t PeekLocked(uint32_t address);
  std::string Answer(const std::string& head, uint32_t value, int digits) const;
  void InitLocked();

  mutable std::mutex mu_;
  int chip_;
  FirmwareVersion version_;
  int apiLevel_ = 0;
  Area areas_[kAreas + 1];
  std::map<uint32_t, uint32_t> memory_;
  std::map<uint32_t, uint32_t> registers_;
  std::map<uint32_t, uint32_t> statusPhase_;
  std::vector<ApplyEvent> applies_;
  std::vector<std::string> lines_;
};

}  // namespace vt::sockmgr
