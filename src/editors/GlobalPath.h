// The "Global path adj" tab: DSP settings that are each one parameter word
// from one bar (DL volume, DC-removal corners, DL noise factor, DSP gains,
// DSP sidetone gain and lag), their labels, and "GLOBAL_PATH".
#pragma once

#include <string>
#include <vector>

#include "editors/Labels.h"
#include "editors/MemoKeys.h"
#include "editors/Sections.h"

namespace vt::editors {

// Check box `box` and bar `bar` over word 0 of parameter id `id`, written as
// the position times `scale`: checked, write, enable, commit; a bar change
// while checked, write and commit; unchecked, disable.
Section ParamSection(std::string box, std::string bar, int id, int scale = 1);

const std::vector<Section>& GlobalPathSections();
const std::vector<LabelRule>& GlobalPathLabels();
const MemoSection& GlobalPathMemo();

// Label formulas.
// 20 log10(p / reference), truncated toward zero to hundredths: "18.06".
std::string DecibelText(int p, int reference);
// The DC-removal corner frequency of coefficient p (Q15), in hundredths: "0.62".
std::string DcCornerText(int p);
// p eighths of a millisecond: "12.125".
std::string EighthsText(int p);

}  // namespace vt::editors
