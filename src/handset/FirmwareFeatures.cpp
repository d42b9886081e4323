#include "handset/FirmwareFeatures.h"

namespace vt {

namespace {
// Inside [from, until).
bool Within(const ChipVersion& v, const ChipVersion& from, const ChipVersion& until) {
  return v >= from && v < until;
}
}  // namespace

FirmwareFeatures FeaturesOf(const ChipIdentity& id) {
  const int f = id.chipType;
  const ChipVersion& v = id.version;
  FirmwareFeatures x;
  // Chip type 1 firmware 5.x: from 5.24 on, and on the 5.22 branch from 5.22.2.
  const bool chip1 = f == 1 && v.a == 5;
  x.v1 = (chip1 && (v >= ChipVersion{5, 24} || Within(v, {5, 22, 2}, {5, 23}))) ||
         (f == 3 && v >= ChipVersion{2});
  x.v2 = (chip1 && (v >= ChipVersion{5, 26} || Within(v, {5, 24, 2}, {5, 25}))) ||
         (f == 3 && v >= ChipVersion{2});
  if (f == 3) {
    x.extendedEcParams =
        v >= kExtendedEcFrom || Within(v, kExtendedEcBranchFrom, kExtendedEcBranchUntil);
    x.convergenceAccelerator = v >= ChipVersion{3, 4, 7};
    x.voiceBoosterAndHarmonizers = v >= ChipVersion{3, 4, 8};
    // These three need A to be exactly 3.
    const bool a3 = v.a == 3;
    x.dlNoiseSuppressor = a3 && v >= ChipVersion{3, 2, 7, 2};
    x.ulDynNoiseGate = a3 && v >= ChipVersion{3, 4, 1, 2};
    x.dynamicSelectiveEs = a3 && v >= ChipVersion{3, 4, 6, 0};
  }
  return x;
}

}  // namespace vt
