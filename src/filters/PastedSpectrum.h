// Reading a frequency response the user pastes into a filter wizard: a table
// of frequency (Hz) and level, copied from a spreadsheet, a CSV or text file,
// or our own "Result" window. Tabs, semicolons, blanks or a single comma
// between the columns; decimal commas where that leaves no doubt; a first row
// of column titles is skipped. Rows we cannot read are kept with the reason,
// so that the user is told which ones were left out and why.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filters/ResponsePoints.h"

namespace vt::filters {

// Points kept at most from one paste.
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
