#include "handset/Link.h"

#include "common/Numbers.h"

namespace vt {

namespace {
SocketManager* g_link = nullptr;
int g_waitMs = 100000;

// Integer conversion that counts anything that is not a number as 0.
int32_t NumberOrZero(const std::string& text) {
  long long v = 0;
  if (!TryStrToInt(text, v)) return 0;
  return int32_t(v);
}
}  // namespace

SocketManager* Link() { return g_link; }
void SetLink(SocketManager* link) { g_link = link; }
int LinkWaitMs() { return g_waitMs; }
void SetLinkWaitMs(int ms) { g_waitMs = ms; }

bool LinkUp(const SocketManager* link) {
  return link && link->ClientSocket && link->ClientSocket->Active();
}

std::string TimeoutField(int timeoutMs) {
  std::string digits = std::to_string(timeoutMs);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return digits;
}

void ParseText(SocketManager* link, std::string r) {
  while (!r.empty()) {
    if (link->ReplyPending) {
      link->BytesReceived += int32_t(r.size());
      link->ReplyPending = link->BytesExpected > link->BytesReceived;
      link->ReplyText += r;
      return;
    }
    std::string head = r.substr(0, 4);
    if (head == "0000") {
      r.erase(0, 6);
      std::string word = r.substr(0, 4);
      if (word == "ID_a") {
        r.erase(0, 10);
        auto blank = r.find(' ');
        link->ClientId = NumberOrZero(r.substr(0, blank));
        r = blank == std::string::npos ? std::string() : r.substr(blank + 1);
      } else if (word == "Type") {
        r.erase(0, 11);
        if (link->ClientSocket)
          link->ClientSocket->SendText("0000->Type:" + link->ClientType + "," +
                                       std::to_string(link->ClientNumber) + "," +
                                       link->ClientInfo + " ");
      } else if (word == "Gran") {
        r.erase(0, 8);
        link->Granted = 1;
      } else if (word == "Done") {
        r.erase(0, 5);
      } else {
        return;  // a control message we do not know: drop the rest of this receive
      }
    } else if (head == "UART") {
      link->ReplyText = r.substr(6 < r.size() ? 6 : r.size());
      return;
    } else if (head == "GPIB") {
      r.erase(0, 6);
      auto colon = r.find(':');
      link->BytesExpected = NumberOrZero(r.substr(0, colon));
      r = colon == std::string::npos ? std::string() : r.substr(colon + 1);
      link->BytesReceived += int32_t(r.size());
      link->ReplyPending = link->BytesExpected > link->BytesReceived;
      link->ReplyText = r;
      return;
    } else if (head == "GPLI") {
      link->ReplyText = r.substr(8 < r.size() ? 8 : r.size());
      return;
    } else if (head == "PVAL") {
      link->ReplyText = r.substr(6 < r.size() ? 6 : r.size());
      return;
    } else {
      return;  // no known prefix: drop the rest of this receive
    }
  }
}

void ParseIncoming(SocketManager* link) {
  if (!LinkUp(link)) return;
  ParseText(link, link->ClientSocket->ReceiveText());
}

void WaitAndParse(SocketManager* link) {
  if (!LinkUp(link)) return;
  if (link->ClientSocket->WaitForData(g_waitMs)) ParseIncoming(link);
}

void RequestChannel(SocketManager* link) {
  if (!LinkUp(link)) return;
  link->ClientSocket->SendText("0000->Request ");
  WaitAndParse(link);
}

void ReleaseChannel(SocketManager* link) {
  if (!LinkUp(link)) return;
  link->ClientSocket->SendText("0000->Release ");
  WaitAndParse(link);
  link->Granted = 0;
}

void SendUartCommand(SocketManager* link, const std::string& command, int timeoutMs) {
  if (!LinkUp(link)) return;
  link->ClientSocket->SendText("UART->" + TimeoutField(timeoutMs) + command);
  WaitAndParse(link);
}

std::string QueryUartReply(SocketManager* link) {
  if (!LinkUp(link)) return {};
  link->ClientSocket->SendText("0000->?UART ");
  link->ReplyText.clear();
  while (LinkUp(link) && link->ClientSocket->WaitForData(g_waitMs)) {
    ParseIncoming(link);
    if (!link->ReplyText.empty()) return link->ReplyText;
  }
  return {};
}

}  // namespace vt
