#include "filters/FirBasis.h"

#include <array>
#include <cmath>
#include <memory>
#include <mutex>

namespace vt::filters {

long double DesignCosine(int n, int k, int tapCount) {
  return cosl(k * kPi + 2 * kPi * n * k / (tapCount + 1));
}

long double TransformCosine(int n, int k, int tapCount) {
  return cosl(2 * kPi * n * k / (tapCount + 1));
}

void ResponseTerms(int k, long double f, long double fs, long double& c, long double& s) {
  const long double angle = 2 * kPi * k * f / fs;
  c = cosl(angle);
  s = sinl(angle);
}

long double MagnitudeDb(long double re, long double im) {
  const long double magnitude = sqrtl(re * re + im * im);
  if (magnitude == 0) return kSilenceDb;
  return 20 * log10l(magnitude);
}

const FirTables& TablesFor(int tapCount) {
  static std::mutex mutex;
  static std::array<std::unique_ptr<FirTables>, kMaxTapCount + 1> cache;
  std::lock_guard<std::mutex> lock(mutex);
  auto& slot = cache.at(static_cast<size_t>(tapCount));
  if (!slot) {
    auto tables = std::make_unique<FirTables>();
    const int n1 = tapCount + 1;
    tables->tapCount = tapCount;
    tables->design.resize(static_cast<size_t>(tapCount) * n1);
    tables->transform.resize(static_cast<size_t>(tapCount) * n1);
    for (int n = 1; n <= tapCount; ++n) {
      for (int k = 0; k <= tapCount; ++k) {
        const size_t i = static_cast<size_t>(n - 1) * n1 + k;
        tables->design[i] = DesignCosine(n, k, tapCount);
        tables->transform[i] = TransformCosine(n, k, tapCount);
      }
    }
    slot = std::move(tables);
  }
  return *slot;
}

}  // namespace vt::filters
