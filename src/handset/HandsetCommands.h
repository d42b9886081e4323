// One handset command is one transaction on the module-wide link: request
// the channel (unless held), send the line with time-out 1000, fetch and
// parse the answer for reads, release (unless held). With the link down
// nothing is sent and every read gives 0.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// Time-out passed with every handset line (ms).
inline constexpr int kShellTimeoutMs = 1000;

// Requests the channel and keeps it across commands until UnholdLink. Holds
// are not counted: one UnholdLink releases.
void HoldLink();
void UnholdLink();

// Scoped hold that puts LinkHeld back as it found it.
class LinkHold {
 public:
  LinkHold();
  ~LinkHold();
  LinkHold(const LinkHold&) = delete;
  LinkHold& operator=(const LinkHold&) = delete;

 private:
  bool took_;
};

// A raw line: sent, answer fetched (reads) and returned; empty when the link
// is down or nothing came.
std::string ShellQuery(const std::string& line);
void ShellSend(const std::string& line);

int32_t Peek(int32_t address);                 // "bbl peek ", ParseColonValue
void Poke(int32_t address, int32_t value);     // "bbl poke "
uint32_t PeekLong(std::string_view address);   // "bbl peek 0x...", 32-bit answer
int32_t ReadArea(int32_t area, int32_t index, bool builtIn);  // aurdm / aurdb
void WriteArea(int32_t area, int32_t index, int32_t value);   // auwrm
uint32_t DbgRead(std::string_view address);    // "dbg read ", 32-bit answer
void DbgWait();                                // "dbg wait 40"

}  // namespace vt
