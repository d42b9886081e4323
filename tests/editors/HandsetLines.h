// Expected handset lines shared by the editors' tests.
#pragma once

#include <string>

#include "../handset/EmulatedHandset.h"

namespace vt::testing {

inline Lines_ operator+(Lines_ a, const Lines_& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Re-initialising DSP item m: its area-5 apply mask, with the status word 14
// as `status` before it (bit 0 marks the apply in progress).
inline Lines_ ApplyDspLines(int mask, int status) {
  return {"bbl auwrm 5 0 " + std::to_string(mask), "bbl aurdm 2 14",
          "bbl auwrm 2 14 " + std::to_string(status | 1), "bbl auwrm 1 0 4", "bbl auwrm 5 0 0",
          "bbl auwrm 2 14 " + std::to_string(status & ~1)};
}

// The parameter commit: command 2, then DSP item 9 (mask 128) re-initialised
// with no other DSP status bit set.
inline const Lines_ kCommit = Lines_{"bbl auwrm 1 0 2"} + ApplyDspLines(128, 0);

}  // namespace vt::testing
