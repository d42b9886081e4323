// A measured spectrum pasted as text: one frequency/level pair per line, as a
// spreadsheet, a CSV file or a measurement result gives it. Columns may be
// separated by tabs, semicolons, blanks or a single comma; decimal commas are
// read where the separator leaves no doubt; a first line of column titles is
// skipped. Lines that cannot be read are kept with the reason, so that the
// window can name them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filters/ResponsePoints.h"

namespace vt::filters {

// Most points a wizard keeps.
inline constexpr size_t kMaxPastedPoints = 10000;

struct PastedLine {
  int number = 0;      // 1-based line of the text
  std::string text;    // the line as pasted (cut to 60 characters)
  std::string reason;  // why it was left out
};

struct PastedSpectrum {
  Spectrum points;               // frequency Hz, level as written
  std::vector<PastedLine> bad;   // lines left out, in text order
  bool headerSkipped = false;    // the first line held column titles
};

PastedSpectrum ParsePastedSpectrum(std::string_view text);

// One number of a pasted cell: blanks and quotes around it allowed, "." or ","
// as decimal separator, an exponent allowed. False for anything else and for
// values that are not finite.
bool ParseCell(std::string_view cell, long double& value);

// The message naming the lines left out (at most `shown` of them, then how
// many more); empty when none was.
std::string LeftOutMessage(const PastedSpectrum& pasted, size_t shown = 10);

}  // namespace vt::filters
