#include "handset/Identify.h"

#include <string>

#include "common/Numbers.h"
#include "handset/HandsetCommands.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "handset/ShellLines.h"

namespace vt {

namespace {

constexpr const char* kIdentifying = "Identifying the handset";

bool g_complete = true;

// One query; an empty answer (nothing came, or the handset said nothing)
// leaves the identification incomplete.
std::string Ask(const std::string& line) {
  std::string answer = ShellQuery(line);
  if (TrimView(answer).empty()) g_complete = false;
  return answer;
}

int32_t ReadIdentWord(int word) { return ParseColonValue(Ask(IdentWordLine(word))); }

ChipIdentity ReadIdentity() {
  int32_t w1 = ReadIdentWord(1);
  int32_t w2 = ReadIdentWord(2);
  int32_t w3 = ReadIdentWord(3);
  return DecodeIdentWords(w1, w2, w3);
}

// The flags of the first probe word that answers; 0 when none does. Only an
// answer that came and is not the refusal counts as success.
int ProbeApiFlags() {
  for (const auto& step : kApiProbe) {
    std::string answer = Ask(AreaReadLine(kAreaApi, step.word, false));
    if (!g_complete) return 0;
    if (answer.find(kApiFailedText) == std::string::npos) return step.flags;
  }
  return 0;
}

void SetApiFlags(int flags) {
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

void TellIncomplete(const char* what) {
  SocketManager* link = Link();
  std::string why = LinkFailure().empty() ? "the handset did not answer" : LinkFailure();
  if (link && link->Observer)
    link->Observer->Status(std::string("Handset identification could not finish (") + why +
                           "); " + what);
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

bool IdentificationComplete() { return g_complete; }

ChipIdentity IdentifyChip() {
  g_complete = true;
  if (!LinkUp(Link())) return Settle({}, ChipType(), false);
  ChipIdentity id;
  int flags = 0;
  {
    LinkBatch batch(kIdentifying);
    LinkHold hold;
    id = ReadIdentity();
    if (g_complete && id.chipType == 3) flags = ProbeApiFlags();
    if (LinkBatchFailed()) g_complete = false;
  }
  if (g_complete) {
    SetApiFlags(flags);
    if (id.chipType != 0) SetLastKnownIdentity(id);
    return Settle(id, ChipType(), false);
  }
  // Keep what the last complete identification found (and its API flags)
  // while the view still stands for that chip type.
  const auto& known = LastKnownIdentity();
  if (known && known->chipType == ChipType()) {
    TellIncomplete("keeping the last known layout");
    return Settle(*known, ChipType(), false);
  }
  TellIncomplete("showing the default layout of the current chip type");
  return Settle({}, ChipType(), false);
}

ChipIdentity IdentifyChipQuick(int32_t defaultType) {
  g_complete = true;
  ChipIdentity id;
  if (LinkUp(Link())) {
    LinkBatch batch(kIdentifying);
    LinkHold hold;
    id = ReadIdentity();
    if (LinkBatchFailed()) g_complete = false;
  }
  if (!g_complete) {
    TellIncomplete("taking the chosen default view");
    id = {};
  } else if (id.chipType != 0) {
    SetLastKnownIdentity(id);
  }
  return Settle(id, defaultType, true);
}

}  // namespace vt
