// The module's side of the socket-manager protocol: taking and giving back
// the handset channel, sending one shell line, fetching the handset's answer,
// and absorbing the server's own messages. Everything runs in the GUI thread.
#pragma once

#include <string>

#include "handset/SocketManager.h"

namespace vt {

// The module-wide link pointer (set by _set_socket_manager).
SocketManager* Link();
void SetLink(SocketManager* link);

// True when the link exists and its socket is connected.
bool LinkUp(const SocketManager* link);

// How long one wait for the server lasts (ms). 100000 by default; tests and
// impatient hosts may lower it.
int LinkWaitMs();
void SetLinkWaitMs(int ms);

void RequestChannel(SocketManager* link);
void ReleaseChannel(SocketManager* link);
void SendUartCommand(SocketManager* link, const std::string& command, int timeoutMs);
std::string QueryUartReply(SocketManager* link);
void WaitAndParse(SocketManager* link);
// Handles the text of one receive, message by message.
void ParseText(SocketManager* link, std::string received);
// Reads what is available on the socket and handles it.
void ParseIncoming(SocketManager* link);

// The time-out field of a "UART->" line: decimal, left-padded with "0" to
// five digits, longer values as they are.
std::string TimeoutField(int timeoutMs);

}  // namespace vt
