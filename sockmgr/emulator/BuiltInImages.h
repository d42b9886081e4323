// The words a freshly started Q7xx handset holds as built-in values: the
// codec words of area 6 and the parameter image of area 4 (the same images
// that "Init DAS" writes), by chip type.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vt::sockmgr {

// Codec area words 0..15 (identical on both chip types).
const std::array<uint16_t, 16>& BuiltInCodecImage();

// Parameter area words 0..189 for chip type 1 or 3 (other types get type 1's).
const std::array<uint16_t, 190>& BuiltInParamImage(int chipType);

}  // namespace vt::sockmgr
