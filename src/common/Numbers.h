// Number rules shared by every subsystem: conversions between reals, integers
// and the texts the handset, the memos and the labels use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// Real to integer, toward zero.
long long Trunc(long double x);

// Nearest integer, exact halves toward zero: 2.5 -> 2, -2.5 -> -2, 2.51 -> 3.
long long RoundHalfToZero(long double x);

// General number format: up to 15 significant digits, trailing zeros and a
// bare decimal point dropped ("0.3" for 0.1*3, "625" for 625.0). Very large or
// very small magnitudes use the exponent form "1.5E-7".
std::string FloatToStr(long double x);

// Plain decimal.
std::string IntToStr(long long n);

// Strict integer conversion of a whole text: optional sign, decimal digits or
// "0x"/"$" followed by hex digits. Returns false (and leaves value alone) when
// the text is not such a number.
bool TryStrToInt(std::string_view text, long long& value);

// As TryStrToInt, with the default when the text is not a number.
long long StrToIntDef(std::string_view text, long long def);

// Text with blanks, tabs and line ends removed at both ends.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);

// The last component of a path ("C:\\cal\\bench.acal" and "/cal/bench.acal"
// both give "bench.acal").
std::string ExtractFileName(std::string_view path);

// ASCII case-insensitive equality.
bool SameText(std::string_view a, std::string_view b);

}  // namespace vt
