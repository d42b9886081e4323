// Expected handset lines, control set-ups and a memo to write into, shared by
// the editors' tests.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "../handset/EmulatedHandset.h"
#include "config/MemoConfig.h"
#include "editors/MemoKeys.h"

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

// Controls with these bars at these positions.
inline editors::ControlMap At(std::initializer_list<std::pair<const char*, int>> positions) {
  editors::ControlMap c;
  for (auto [bar, p] : positions) c.SetPosition(bar, p);
  return c;
}

// List rows "R1=1" ... "Rn=n".
inline std::vector<std::string> Numbered(int n) {
  std::vector<std::string> rows;
  for (int k = 1; k <= n; ++k) rows.push_back("R" + std::to_string(k) + "=" + std::to_string(k));
  return rows;
}

// The value of `key` among key lines, "(none)" without it.
inline std::string Value(const editors::KeyLines& lines, const std::string& key) {
  for (const auto& [k, v] : lines)
    if (k == key) return v;
  return "(none)";
}

// An active memo held in lines.
struct MemoBench {
  MemoBench() { memo.Attach(&lines, nullptr, nullptr, [] { return 0; }); }
  VectorLineStore lines;
  MemoConfig memo;
};

}  // namespace vt::testing
