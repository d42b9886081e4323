#include "handset/FirmwareFeatures.h"

#include <tuple>

namespace vt {

bool VersionAtLeast(const ChipVersion& v, int a, int b, int c, int d) {
  return std::tie(v.a, v.b, v.c, v.d) >= std::make_tuple(a, b, c, d);
}

FirmwareFeatures FeaturesOf(const ChipIdentity& id) {
  const int f = id.chipType;
  const ChipVersion& v = id.version;
  const int a = v.a, b = v.b, c = v.c, d = v.d;
  FirmwareFeatures x;
  x.v1 = (f == 1 && a == 5 && (b >= 24 || (b == 22 && c >= 2))) || (f == 3 && a >= 2);
  x.v2 = (f == 1 && a == 5 && (b >= 26 || (b == 24 && c >= 2))) || (f == 3 && a >= 2);
  if (f == 3) {
    x.extendedEcParams = a >= 4 || (a == 3 && b > 2) || (a == 3 && b == 2 && c > 8) ||
                         (a == 3 && b == 2 && c == 8 && d >= 4) ||
                         (a == 3 && b == 2 && c == 7 && d >= 6);
    x.convergenceAccelerator = a >= 4 || (a == 3 && (b > 4 || (b == 4 && c >= 7)));
    x.voiceBoosterAndHarmonizers = a >= 4 || (a == 3 && (b > 4 || (b == 4 && c >= 8)));
    // These three need A to be exactly 3.
    x.dlNoiseSuppressor = a == 3 && VersionAtLeast(v, 3, 2, 7, 2);
    x.ulDynNoiseGate = a == 3 && VersionAtLeast(v, 3, 4, 1, 2);
    x.dynamicSelectiveEs = a == 3 && VersionAtLeast(v, 3, 4, 6, 0);
  }
  return x;
}

}  // namespace vt
