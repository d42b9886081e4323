#include "common/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vt {

long long Trunc(long double x) { return static_cast<long long>(x); }

long long RoundHalfToZero(long double x) {
  long long t = Trunc(x);
  if (x >= 0 && x - t > 0.5L) return t + 1;
  if (x < 0 && t - x > 0.5L) return t - 1;
  return t;
}

namespace {

// Strip trailing zeros of a mantissa text and a bare decimal point.
void StripZeros(std::string& s) {
  auto dot = s.find('.');
  if (dot == std::string::npos) return;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
}

}  // namespace

std::string FloatToStr(long double x) {
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
  if (x == 0) return "0";
  // Round to 15 significant digits first; the exponent of the rounded value
  // decides between fixed and exponent form.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14Le", x);
  std::string sci(buf);
  auto e = sci.find('e');
  int exponent = std::atoi(sci.c_str() + e + 1);
  std::string mantissa = sci.substr(0, e);
  if (exponent >= 15 || exponent < -5) {
    StripZeros(mantissa);
    return mantissa + "E" + std::to_string(exponent);
  }
  int decimals = 14 - exponent;
  if (decimals < 0) decimals = 0;
  std::snprintf(buf, sizeof buf, "%.*Lf", decimals, x);
  std::string fixed(buf);
  StripZeros(fixed);
  if (fixed == "-0") fixed = "0";
  return fixed;
}

std::string IntToStr(long long n) { return std::to_string(n); }

bool TryStrToInt(std::string_view text, long long& value) {
  if (text.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  } else if (i < text.size() && text[i] == '$') {
    base = 16;
    i += 1;
  }
  if (i >= text.size()) return false;
  unsigned long long v = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    int d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else return false;
    v = v * base + d;
    if (v > 0xFFFFFFFFFFFFull) return false;  // far beyond any word we handle
  }
  value = negative ? -static_cast<long long>(v) : static_cast<long long>(v);
  return true;
}

long long StrToIntDef(std::string_view text, long long def) {
  long long v;
  return TryStrToInt(text, v) ? v : def;
}

std::string_view TrimView(std::string_view text) {
  const char* blanks = " \t\r\n";
  auto b = text.find_first_not_of(blanks);
  if (b == std::string_view::npos) return {};
  auto e = text.find_last_not_of(blanks);
  return text.substr(b, e - b + 1);
}

std::string Trim(std::string_view text) { return std::string(TrimView(text)); }

std::string ExtractFileName(std::string_view path) {
  auto p = path.find_last_of("/\\:");
  return std::string(p == std::string_view::npos ? path : path.substr(p + 1));
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace vt
