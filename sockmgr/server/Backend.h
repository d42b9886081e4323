// The handset behind the socket manager: something that takes one shell line
// and gives back the handset's answer. Two kinds: the built-in emulator and a
// real handset on a serial line.
#pragma once

#include <memory>
#include <string>

#include "sockmgr/emulator/HandsetEmulator.h"

namespace vt::sockmgr {

class HandsetBackend {
 public:
  virtual ~HandsetBackend() = default;
  // Carries one shell line (ended by "\r\n") to the handset and returns what it
  // answered within timeoutMs; empty when nothing came.
  virtual std::string Execute(const std::string& line, int timeoutMs) = 0;
  // True when Execute may block for a noticeable time (a real line): the
  // server then runs it off its network thread.
  virtual bool Slow() const = 0;
  // One line for the start-up banner and the log ("emulated Q7xx chip 1 ...").
  virtual std::string Describe() const = 0;
  // The emulator behind this back end, or nullptr for a real handset.
  virtual HandsetEmulator* Emulator() { return nullptr; }
};

class EmulatedBackend : public HandsetBackend {
 public:
  explicit EmulatedBackend(int chipType = 1);
  EmulatedBackend(int chipType, const FirmwareVersion& version);
  std::string Execute(const std::string& line, int timeoutMs) override;
  bool Slow() const override { return false; }
  std::string Describe() const override;
  HandsetEmulator* Emulator() override { return &emulator_; }

 private:
  HandsetEmulator emulator_;
};

struct SerialOptions {
  std::string device;          // "/dev/ttyUSB0"
  unsigned baud = 115200;
  // The shell prompt that ends an answer; empty: answers end by the quiet gap.
  std::string prompt;
  // An answer also ends when nothing more arrived for this long after its
  // last character.
  int quietGapMs = 50;
};

// A real handset on a tty, through asio::serial_port. 8N1, no flow control.
class SerialBackend : public HandsetBackend {
 public:
  // Opens and sets up the line; std::runtime_error when that fails.
  explicit SerialBackend(const SerialOptions& options);
  ~SerialBackend() override;
  std::string Execute(const std::string& line, int timeoutMs) override;
  bool Slow() const override { return true; }
  std::string Describe() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vt::sockmgr
