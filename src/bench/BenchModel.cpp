#include "bench/BenchModel.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace vt::bench {

namespace {
template <typename E, size_t N>
bool ParseName(const std::string& text, const char* const (&names)[N], E& out) {
  for (size_t i = 0; i < N; ++i)
    if (text == names[i]) {
      out = static_cast<E>(i);
      return true;
    }
  return false;
}
constexpr const char* kScenes[] = {"none", "ref-mike-on-calibrator", "ref-mike-at-mouth",
                                   "calibrator-on-ear", "handset-on-ear", "electrical"};
constexpr const char* kEars[] = {"1", "32LL", "32HL", "33"};
constexpr const char* kTesterModes[] = {"idle", "decoder-cal", "encoder-cal", "call"};
}  // namespace

const char* SceneName(Scene s) { return kScenes[static_cast<int>(s)]; }
const char* EarTypeName(EarType e) { return kEars[static_cast<int>(e)]; }
const char* TesterModeName(TesterMode m) { return kTesterModes[static_cast<int>(m)]; }
bool ParseScene(const std::string& text, Scene& out) { return ParseName(text, kScenes, out); }
bool ParseEarType(const std::string& text, EarType& out) { return ParseName(text, kEars, out); }
bool ParseTesterMode(const std::string& text, TesterMode& out) {
  return ParseName(text, kTesterModes, out);
}

double CalibratorLevelOnEar(EarType e) {
  switch (e) {
    case EarType::Type1: return 94.0;
    case EarType::Type32LowLeak: return 98.2;
    case EarType::Type32HighLeak: return 84.7;
    case EarType::Type33: return 97.1;
  }
  return 94.0;
}

double HandsetTuning::GainDb(bool downlink, double hz) const {
  const std::vector<double>& fir = downlink ? dlFir : ulFir;
  std::complex<double> h = 0;
  for (size_t k = 0; k < fir.size(); ++k)
    h += fir[k] * std::polar(1.0, -2 * std::numbers::pi * hz / 8000 * static_cast<double>(k));
  if (fir.empty()) h = 1;
  double db = 20 * std::log10(std::abs(h));
  for (const Biquad& b : downlink ? dlIir : ulIir) db += 20 * std::log10(std::abs(ResponseAt(b, hz, 8000)));
  return db;
}

}  // namespace vt::bench
