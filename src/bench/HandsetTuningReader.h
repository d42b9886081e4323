// The handset's tuning as the virtual bench's call applies it, read over the
// module-wide link at call set-up: which of the downlink and uplink FIR and
// IIR filters DSP items 3 and 4 have on, and their coefficient blocks
// (FIR: 32 taps and a Q12 gain word; IIR: Q14 biquads).
#pragma once

#include <string>

#include "bench/BenchModel.h"

namespace vt::bench {

// GUI thread. False, with `tuning` flat and the reason in `why`, when the
// link is down or an exchange fails.
bool ReadHandsetTuning(HandsetTuning& tuning, std::string& why);

}  // namespace vt::bench
