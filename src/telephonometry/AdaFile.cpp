#include "telephonometry/AdaFile.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

#include "common/Numbers.h"

namespace vt::telephonometry {

namespace {

bool Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// The next number from `at` on, or nothing at the end of the text; `at` moves
// past it. `tooLarge` is set for a number no double holds.
std::optional<double> NextNumber(std::string_view text, size_t& at, bool& tooLarge) {
  while (at < text.size() && !Digit(text[at])) ++at;
  if (at >= text.size()) return std::nullopt;
  const bool negative = at > 0 && text[at - 1] == '-';
  const size_t start = at;
  while (at < text.size() && Digit(text[at])) ++at;
  if (at + 1 < text.size() && text[at] == '.' && Digit(text[at + 1])) {
    ++at;
    while (at < text.size() && Digit(text[at])) ++at;
  } else if (at < text.size() && text[at] == '.') {
    ++at;  // "12." is 12
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data() + start, text.data() + at, value);
  (void)end;
  if (ec != std::errc() || !std::isfinite(value)) {
    tooLarge = true;
    return std::nullopt;
  }
  return negative ? -value : value;
}

}  // namespace

AdaData ParseAda(std::string_view text) {
  AdaData data;
  size_t at = 0;
  bool tooLarge = false;
  double frequency = 0;  // 0: no frequency waiting for its level
  while (const std::optional<double> n = NextNumber(text, at, tooLarge)) {
    if (frequency > 0) {
      data.points.Add(frequency, *n);
      frequency = 0;
    } else if (*n > 10.0) {
      frequency = *n;
    }
  }
  if (tooLarge) {
    data.error = "The ear data holds a number too large to read";
  } else if (data.points.size() < 2) {
    data.error = "The ear data holds " + IntToStr(static_cast<long long>(data.points.size())) +
                 " frequency/level point(s): at least two are needed";
  } else {
    for (size_t i = 1; i < data.points.size(); ++i)
      if (data.points.freq[i] <= data.points.freq[i - 1]) {
        data.error = "The ear data's frequencies must rise: " + FloatToStr(data.points.freq[i]) +
                     " Hz comes after " + FloatToStr(data.points.freq[i - 1]) + " Hz";
        break;
      }
  }
  return data;
}

}  // namespace vt::telephonometry
