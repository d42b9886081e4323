#include "filters/PastedSpectrum.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "common/Numbers.h"

namespace vt::filters {

namespace {

constexpr size_t kShownLineLength = 60;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// Non-empty pieces of a line cut at any of `separators`.
std::vector<std::string_view> Split(std::string_view line, std::string_view separators) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && separators.find(line[i]) == std::string_view::npos) continue;
    std::string_view piece = TrimView(line.substr(start, i - start));
    if (!piece.empty()) out.push_back(piece);
    start = i + 1;
  }
  return out;
}

struct Pair {
  long double freq = 0, level = 0;
};

std::optional<Pair> FirstTwo(const std::vector<std::string_view>& fields) {
  Pair p;
  if (fields.size() < 2 || !ParseCell(fields[0], p.freq) || !ParseCell(fields[1], p.level))
    return std::nullopt;
  return p;
}

// The pair of one line, or the reason it has none.
std::optional<Pair> ReadLine(std::string_view line, std::string& reason) {
  reason = "not a frequency and a level";
  // With tabs or semicolons between the columns, a comma inside a cell is a
  // decimal comma.
  if (line.find_first_of("\t;") != std::string_view::npos) return FirstTwo(Split(line, "\t;"));
  if (auto p = FirstTwo(Split(line, " "))) return p;
  // Commas between the columns: a single one, or several beside decimal
  // points ("100.0,-3.5,45"). Several commas and no point could mean either,
  // so such a row is refused rather than guessed at.
  const std::vector<std::string_view> cells = Split(line, ",");
  const bool points = line.find('.') != std::string_view::npos;
  if (cells.size() > 2 && !points) {
    reason = "ambiguous commas (use tabs or semicolons between the columns)";
    return std::nullopt;
  }
  return FirstTwo(cells);
}

bool HasLetter(std::string_view line) {
  for (char c : line)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  return false;
}

}  // namespace

bool ParseCell(std::string_view cell, long double& value) {
  cell = TrimView(cell);
  if (cell.size() >= 2 && (cell.front() == '"' || cell.front() == '\'') && cell.back() == cell.front())
    cell = TrimView(cell.substr(1, cell.size() - 2));
  if (!cell.empty() && cell.front() == '+') cell.remove_prefix(1);
  if (cell.empty() || cell.size() > 64) return false;
  std::string text(cell);
  for (char& c : text) {
    if (c == ',') c = '.';
    // Plain decimal numbers only: from_chars would also take "inf" and "nan".
    if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
      return false;
  }
  long double v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, v, std::chars_format::general);
  if (ec != std::errc() || ptr != end || !std::isfinite(v)) return false;
  value = v;
  return true;
}

PastedSpectrum ParsePastedSpectrum(std::string_view text) {
  PastedSpectrum out;
  int number = 0;
  bool first = true;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view raw = text.substr(pos, end - pos);
    pos = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++pos;
    ++number;
    const std::string_view line = TrimView(raw);
    if (line.empty()) continue;
    std::string reason;
    const std::optional<Pair> p = ReadLine(line, reason);
    if (p && !(p->freq > 0)) {
      reason = "the frequency is not above 0 Hz";
    } else if (p && !out.points.empty() && !(p->freq > out.points.freq.back())) {
      reason = "the frequency is not above the line before";
    } else if (p && out.points.size() >= kMaxPastedPoints) {
      reason = "more than " + std::to_string(kMaxPastedPoints) + " points";
    } else if (p) {
      out.points.Add(p->freq, p->level);
      first = false;
      continue;
    } else if (first && HasLetter(line)) {
      out.headerSkipped = true;  // column titles
      first = false;
      continue;
    }
    first = false;
    std::string shown(line.substr(0, kShownLineLength));
    for (char& c : shown)
      if (IsBlank(c)) c = ' ';
    if (line.size() > kShownLineLength) shown += "...";
    out.bad.push_back({number, shown, reason});
  }
  return out;
}

std::string LeftOutMessage(const PastedSpectrum& pasted, size_t shown) {
  if (pasted.bad.empty()) return {};
  std::string text = std::to_string(pasted.bad.size()) +
                     (pasted.bad.size() == 1 ? " line was" : " lines were") +
                     " left out of the pasted spectrum:";
  for (size_t i = 0; i < pasted.bad.size() && i < shown; ++i) {
    const PastedLine& l = pasted.bad[i];
    text += "\nline " + std::to_string(l.number) + " \"" + l.text + "\": " + l.reason;
  }
  if (pasted.bad.size() > shown)
    text += "\n... and " + std::to_string(pasted.bad.size() - shown) + " more";
  return text;
}

}  // namespace vt::filters
