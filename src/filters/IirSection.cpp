#include "filters/IirSection.h"

#include <cmath>

#include "common/Numbers.h"
#include "filters/FirBasis.h"

namespace vt::filters {

namespace {

// Beyond this a value cannot be rounded to a 64-bit integer.
constexpr long double kRoundable = 9.0e18L;
// The word given to what cannot be rounded: far outside any 16-bit range.
constexpr long long kOutOfRange = 0x7FFFFFFFFFFFFFFFLL;

bool Positive(long double v) { return std::isfinite(v) && v > 0; }

}  // namespace

long long Q14Word(long double coefficient) {
  const long double scaled = coefficient * 16384;
  if (!(fabsl(scaled) < kRoundable)) return scaled > 0 ? kOutOfRange : -kOutOfRange;
  return RoundHalfToZero(scaled);
}

long double Q14Value(long long word) { return word / 16384.0L; }

long double Q14(long double coefficient) {
  const long double scaled = coefficient * 16384;
  if (!(fabsl(scaled) < kRoundable)) return coefficient;
  return RoundHalfToZero(scaled) / 16384.0L;
}

bool Q14Representable(long double coefficient) { return fabsl(coefficient * 16384) <= 32767; }

IirSection::IirSection() { Design(); }

bool IirSection::Design() {
  if (!Positive(gainHf) || !Positive(gainF0) || !Positive(f0) || !Positive(m) ||
      !Positive(sampleRate) || !std::isfinite(gainLf)) {
    return false;
  }
  const long double t = 1 / sampleRate;
  const long double w0 = 2 * kPi * f0;
  const long double k = 1 / (w0 * t);
  const long double p = 2 * m * k;
  const long double q = k * k;
  const long double rootF0 = sqrtl(gainF0);
  const long double rootHf = sqrtl(gainHf);
  const long double u0 = gainLf + rootF0 * p + rootHf * q;
  const long double u1 = -(rootF0 * p + 2 * rootHf * q);
  const long double u2 = rootHf * q;
  const long double d0 = 1 + p / rootF0 + q / rootHf;
  const long double d1 = -(p / rootF0 + 2 * q / rootHf);
  const long double d2 = q / rootHf;
  a0 = Q14(u0 / d0);
  a1 = Q14(u1 / d0);
  a2 = Q14(u2 / d0);
  b1 = Q14(d1 / d0);
  b2 = Q14(d2 / d0);
  return Q14Representable(a0) && Q14Representable(a1) && Q14Representable(a2) &&
         Q14Representable(b1) && Q14Representable(b2);
}

void IirSection::ParametersFromCoefficients() {
  const long double t = 1 / sampleRate;
  const long double dd0 = 1 + b1 + b2;
  const long double dd1 = -t * (b1 + 2 * b2);
  const long double dd2 = t * t * b2;
  bool described = dd0 != 0 && dd1 != 0 && dd2 != 0;
  if (described) {
    const long double n0 = (a0 + a1 + a2) / dd0;
    const long double n1 = -t * (a1 + 2 * a2) / dd0;
    const long double n2 = t * t * a2 / dd0;
    const long double d2r = dd2 / dd0;
    const long double hf = n2 / d2r;
    const long double fz = n1 / (dd1 / dd0);
    long double w0 = NAN;
    if (hf > 0 && fz > 0) w0 = sqrtl((hf + 1) / sqrtl(hf) / (d2r + n2));
    const long double mm = w0 * n1 / (2 * sqrtl(fz));
    described = std::isfinite(w0) && w0 > 0 && std::isfinite(mm) && mm > 0 && std::isfinite(n0);
    if (described) {
      gainLf = n0;
      gainHf = hf;
      gainF0 = fz;
      f0 = w0 / (2 * kPi);
      m = mm;
    }
  }
  if (!described) {
    gainLf = gainHf = gainF0 = 1;
    f0 = 1000;
    m = 0.5L;
    Design();
  }
}

long double IirSection::Response(long double f) const {
  const long double w = 2 * kPi * f / sampleRate;
  const long double c1 = cosl(w), s1 = sinl(w), c2 = cosl(2 * w), s2 = sinl(2 * w);
  const long double nr = a0 + a1 * c1 + a2 * c2, ni = -(a1 * s1 + a2 * s2);
  const long double dr = 1 + b1 * c1 + b2 * c2, di = -(b1 * s1 + b2 * s2);
  const long double x = nr * dr + ni * di, y = ni * dr - nr * di;
  const long double denominator = dr * dr + di * di;
  const long double numerator = sqrtl(x * x + y * y);
  if (denominator == 0) return numerator == 0 ? kSilenceDb : kUnboundedDb;
  if (numerator == 0) return kSilenceDb;
  return 20 * log10l(numerator / denominator);
}

std::array<long long, 5> IirSection::Words() const {
  return {Q14Word(a0), Q14Word(a1), Q14Word(a2), Q14Word(b1), Q14Word(b2)};
}

void IirSection::SetWords(const std::array<long long, 5>& words) {
  a0 = Q14Value(words[0]);
  a1 = Q14Value(words[1]);
  a2 = Q14Value(words[2]);
  b1 = Q14Value(words[3]);
  b2 = Q14Value(words[4]);
}

}  // namespace vt::filters
