#include "handset/HandsetCommands.h"

#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "handset/ShellLines.h"

namespace vt {

namespace {
// A hold is one batch of exchanges: the first wait that fails ends it.
bool g_holdBatch = false;
constexpr const char* kTalking = "Talking to the handset";
}  // namespace

// A hold or release asked for from inside a wait (a timer run by the host
// meanwhile) would upset the running hold: it is ignored.
void HoldLink() {
  if (LinkWaiting()) return;
  if (!g_holdBatch) BeginLinkBatch(kTalking);
  g_holdBatch = true;
  RequestChannel(Link());
  SetLinkHeld(true);
}

void UnholdLink() {
  if (LinkWaiting()) return;
  ReleaseChannel(Link());
  SetLinkHeld(false);
  if (g_holdBatch) EndLinkBatch();
  g_holdBatch = false;
}

LinkHold::LinkHold() : took_(!LinkHeld()) {
  if (took_) HoldLink();
}

LinkHold::~LinkHold() {
  if (took_) UnholdLink();
}

std::string ShellQuery(const std::string& line) {
  SocketManager* link = Link();
  if (!LinkUp(link)) return {};
  LinkBatch batch(kTalking);
  bool held = LinkHeld();
  if (!held) RequestChannel(link);
  SendUartCommand(link, line, kShellTimeoutMs);
  std::string answer = QueryUartReply(link);
  if (!held) ReleaseChannel(link);
  return answer;
}

void ShellSend(const std::string& line) {
  SocketManager* link = Link();
  if (!LinkUp(link)) return;
  LinkBatch batch(kTalking);
  bool held = LinkHeld();
  if (!held) RequestChannel(link);
  SendUartCommand(link, line, kShellTimeoutMs);
  if (!held) ReleaseChannel(link);
}

int32_t Peek(int32_t address) { return ParseColonValue(ShellQuery(PeekLine(address))); }

void Poke(int32_t address, int32_t value) { ShellSend(PokeLine(address, value)); }

uint32_t PeekLong(std::string_view address) {
  return ParseColonLongValue(ShellQuery(PeekLine(address)));
}

int32_t ReadArea(int32_t area, int32_t index, bool builtIn) {
  return ParseBracketValue(ShellQuery(AreaReadLine(area, index, builtIn)));
}

void WriteArea(int32_t area, int32_t index, int32_t value) {
  ShellSend(AreaWriteLine(area, index, value));
}

uint32_t DbgRead(std::string_view address) {
  return ParseColonLongValue(ShellQuery("dbg read " + std::string(address) + "\r\n"));
}

void DbgWait() { ShellSend(kDbgWaitLine); }

}  // namespace vt
