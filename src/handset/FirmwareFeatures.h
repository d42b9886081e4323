// What a chip type and firmware version offer, as the frame shows or hides it.
#pragma once

#include "handset/HandsetTables.h"

namespace vt {

// Versions compare field by field in the order A, B, C, D.
bool VersionAtLeast(const ChipVersion& v, int a, int b, int c, int d);

struct FirmwareFeatures {
  bool v1 = false;  // DL noise gate "Noise" control
  bool v2 = false;  // soft-opening labels, selective echo suppressor page
  bool extendedEcParams = false;
  bool convergenceAccelerator = false;
  bool voiceBoosterAndHarmonizers = false;
  bool dlNoiseSuppressor = false;  // "Downlink Noise Suppressor"
  bool ulDynNoiseGate = false;     // "UL Dyn NG Parameters"
  bool dynamicSelectiveEs = false; // "Dynamic control"
};

FirmwareFeatures FeaturesOf(const ChipIdentity& id);

}  // namespace vt
