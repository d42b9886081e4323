// What a chip type and firmware version offer, as the frame shows or hides it.
#pragma once

#include "handset/HandsetTables.h"

namespace vt {

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
