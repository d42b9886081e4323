#include "handset/ShellLines.h"

#include <cstdio>

#include "common/Numbers.h"

namespace vt {

namespace {

// The field of `width` characters after `marker`. Without the marker the
// field starts where it would if the marker had been found at the very
// start, minus one: the handset's shell never answers that way, but the rule
// keeps a garbled answer predictable.
std::string_view FieldAfter(std::string_view answer, std::string_view marker, size_t width) {
  auto at = answer.find(marker);
  size_t start = at == std::string_view::npos ? marker.size() - 1 : at + marker.size();
  if (start >= answer.size()) return {};
  return answer.substr(start, width);
}

// The first word of the field, as an integer; anything else gives 0.
long long FieldNumber(std::string_view field) {
  field = TrimView(field);
  auto end = field.find_first_of(" \t\r\n");
  if (end != std::string_view::npos) field = field.substr(0, end);
  return StrToIntDef(field, 0);
}

std::string Decimal(int32_t n) { return std::to_string(n); }

}  // namespace

std::string PeekLine(int32_t address) { return "bbl peek " + Decimal(address) + "\r\n"; }

std::string PeekLine(std::string_view address) {
  return "bbl peek " + std::string(address) + "\r\n";
}

std::string PokeLine(int32_t address, int32_t value) {
  return "bbl poke " + Decimal(address) + " " + Decimal(value) + "\r\n";
}

std::string AreaReadLine(int32_t area, int32_t index, bool builtIn) {
  return std::string(builtIn ? "bbl aurdb " : "bbl aurdm ") + Decimal(area) + " " +
         Decimal(index) + "\r\n";
}

std::string AreaWriteLine(int32_t area, int32_t index, int32_t value) {
  return "bbl auwrm " + Decimal(area) + " " + Decimal(index) + " " + Decimal(value) + "\r\n";
}

std::string IdentWordLine(int word) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%04X", unsigned(word) & 0xFFFFu);
  return std::string("bbl shread16 ") + hex + "\r\n";
}

int32_t ParseColonValue(std::string_view answer) {
  return int32_t(FieldNumber(FieldAfter(answer, "]: ", 6)));
}

int32_t ParseBracketValue(std::string_view answer) {
  return int32_t(FieldNumber(FieldAfter(answer, "] ", 6)));
}

uint32_t ParseColonLongValue(std::string_view answer) {
  return uint32_t(FieldNumber(FieldAfter(answer, "]: ", 10)));
}

int32_t ToSigned16(int32_t word) { return word >= 32768 ? word - 65536 : word; }

}  // namespace vt
