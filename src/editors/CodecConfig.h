// The "codec config" tab: the "Audio path" switch over codec items 1, 0, 7
// and the PCM routing items 13 and 14, its path check boxes with their
// exclusions, the metallic noise filter (codec item 5), and "CODEC_CONF".
#pragma once

#include <string>
#include <vector>

#include "editors/ControlView.h"
#include "editors/MemoKeys.h"

namespace vt::editors {

// "Audio path" clicked (checked or unchecked).
void AudioPathClicked(const ControlView& controls);
// A path check box clicked. Checking one unchecks the box it excludes
// through `controls`; the frame's view runs that box's own handling then.
void PathBoxClicked(const std::string& box, ControlView& controls);
// "Metallic noise filter" clicked.
void MetallicFilterClicked(const ControlView& controls);

// The path check boxes in the order of the group.
const std::vector<std::string>& PathBoxes();

const MemoSection& CodecConfMemo();

}  // namespace vt::editors
