#include "bench/Biquad.h"

#include <cmath>
#include <numbers>
#include <sstream>

namespace vt::bench {

std::complex<double> ResponseAt(const Biquad& s, double hz, double rate) {
  const std::complex<double> z1 = std::polar(1.0, -2 * std::numbers::pi * hz / rate);
  const std::complex<double> z2 = z1 * z1;
  return (s.b0 + s.b1 * z1 + s.b2 * z2) / (1.0 + s.a1 * z1 + s.a2 * z2);
}

double Cascade::GainDb(double hz, double rate) const {
  double db = 0;
  for (const Biquad& s : sections_) db += 20 * std::log10(std::abs(ResponseAt(s, hz, rate)));
  return db;
}

Biquad Design(const FilterSpec& spec, double rate) {
  const double w = 2 * std::numbers::pi * spec.hz / rate;
  const double cw = std::cos(w), alpha = std::sin(w) / (2 * spec.q);
  const double a = std::pow(10.0, spec.gainDb / 40);
  double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;
  switch (spec.kind) {
    case FilterSpec::HighPass:
      b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = b0, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case FilterSpec::LowPass:
      b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = b0, a0 = 1 + alpha, a1 = -2 * cw, a2 = 1 - alpha;
      break;
    case FilterSpec::Peak:
      b0 = 1 + alpha * a, b1 = -2 * cw, b2 = 1 - alpha * a;
      a0 = 1 + alpha / a, a1 = -2 * cw, a2 = 1 - alpha / a;
      break;
    case FilterSpec::LowShelf:
    case FilterSpec::HighShelf: {
      const double s = spec.kind == FilterSpec::LowShelf ? 1 : -1;
      const double r = 2 * std::sqrt(a) * alpha;
      b0 = a * ((a + 1) - s * (a - 1) * cw + r);
      b1 = s * 2 * a * ((a - 1) - s * (a + 1) * cw);
      b2 = a * ((a + 1) - s * (a - 1) * cw - r);
      a0 = (a + 1) + s * (a - 1) * cw + r;
      a1 = -s * 2 * ((a - 1) + s * (a + 1) * cw);
      a2 = (a + 1) + s * (a - 1) * cw - r;
      break;
    }
  }
  Biquad s;
  s.b0 = b0 / a0, s.b1 = b1 / a0, s.b2 = b2 / a0, s.a1 = a1 / a0, s.a2 = a2 / a0;
  return s;
}

namespace {
struct KindName {
  FilterSpec::Kind kind;
  const char* name;
  bool hasGain;
};
constexpr KindName kKinds[] = {{FilterSpec::HighPass, "highpass", false},
                               {FilterSpec::LowPass, "lowpass", false},
                               {FilterSpec::Peak, "peak", true},
                               {FilterSpec::LowShelf, "lowshelf", true},
                               {FilterSpec::HighShelf, "highshelf", true}};
}  // namespace

bool ParseFilters(const std::string& text, std::vector<FilterSpec>& out, std::string& error) {
  out.clear();
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ';')) {
    std::istringstream words(item);
    std::string kind;
    if (!(words >> kind)) continue;
    const KindName* k = nullptr;
    for (const KindName& n : kKinds)
      if (kind == n.name) k = &n;
    FilterSpec f;
    bool ok = k != nullptr && (words >> f.hz) && (!k->hasGain || (words >> f.gainDb)) && (words >> f.q);
    std::string extra;
    if (!ok || (words >> extra) || f.hz <= 0 || f.q <= 0) {
      error = "\"" + item + "\" is not a filter (write highpass|lowpass HZ Q, or peak|lowshelf|highshelf HZ DB Q)";
      return false;
    }
    f.kind = k->kind;
    out.push_back(f);
  }
  return true;
}

std::string FormatFilters(const std::vector<FilterSpec>& specs) {
  std::ostringstream s;
  for (size_t i = 0; i < specs.size(); ++i) {
    const KindName& n = kKinds[specs[i].kind];
    s << (i ? "; " : "") << n.name << ' ' << specs[i].hz;
    if (n.hasGain) s << ' ' << specs[i].gainDb;
    s << ' ' << specs[i].q;
  }
  return s.str();
}

Cascade MakeCascade(const std::vector<FilterSpec>& specs, double rate, double normalHz) {
  std::vector<Biquad> sections;
  for (const FilterSpec& f : specs) sections.push_back(Design(f, rate));
  if (normalHz > 0 && !sections.empty()) {
    const double g = std::pow(10.0, -Cascade(sections).GainDb(normalHz, rate) / 20);
    sections[0].b0 *= g, sections[0].b1 *= g, sections[0].b2 *= g;
  }
  return Cascade(std::move(sections));
}

}  // namespace vt::bench
