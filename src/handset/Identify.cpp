#include "handset/Identify.h"

#include <string>

#include "handset/HandsetCommands.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "handset/ShellLines.h"

namespace vt {

namespace {

int32_t ReadIdentWord(int word) { return ParseColonValue(ShellQuery(IdentWordLine(word))); }

ChipIdentity ReadIdentity() {
  int32_t w1 = ReadIdentWord(1);
  int32_t w2 = ReadIdentWord(2);
  int32_t w3 = ReadIdentWord(3);
  return DecodeIdentWords(w1, w2, w3);
}

// Sets flags 1 to n for the first probe word that answers; none answering
// clears them all.
void ProbeApiFlags() {
  int flags = 0;
  for (const auto& step : kApiProbe) {
    std::string answer = ShellQuery(AreaReadLine(kAreaApi, step.word, false));
    if (answer.find(kApiFailedText) == std::string::npos) {
      flags = step.flags;
      break;
    }
  }
  for (int n = 1; n <= 5; ++n) SetApiFlag(n, n <= flags);
}

// Falls back to `type`'s default version when the handset gave no chip type.
ChipIdentity Settle(ChipIdentity id, int32_t type, bool quick) {
  if (id.chipType == 0) {
    id.chipType = type;
    if (!DefaultVersion(type, quick, id.version)) id.version = {};
  }
  SetChipType(id.chipType);
  SetChipConstants(id.chipType, id.version);
  return id;
}

}  // namespace

ChipIdentity DecodeIdentWords(int32_t word1, int32_t word2, int32_t word3) {
  ChipIdentity id;
  id.chipType = (word1 >> 8) & 0xFF;
  id.version.a = word1 & 0xFF;
  id.version.c = (word2 >> 12) & 0xF;
  id.version.b = word2 & 0xFFF;
  id.version.d = word3 & 0xFF;
  return id;
}

ChipIdentity IdentifyChip() {
  ChipIdentity id;
  if (LinkUp(Link())) {
    LinkHold hold;
    id = ReadIdentity();
    if (id.chipType == 3) ProbeApiFlags();
    else ClearApiFlags();
  }
  return Settle(id, ChipType(), false);
}

ChipIdentity IdentifyChipQuick(int32_t defaultType) {
  ChipIdentity id;
  if (LinkUp(Link())) {
    LinkHold hold;
    id = ReadIdentity();
  }
  return Settle(id, defaultType, true);
}

}  // namespace vt
