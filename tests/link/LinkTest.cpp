// The module's side of the socket-manager protocol against a real TCP peer on
// loopback: the test plays the server, writing what a server would send and
// reading exactly what the module sent.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "handset/HandsetCommands.h"
#include "handset/HandsetState.h"
#include "handset/Link.h"
#include "handset/TcpClientSocket.h"
#include "tests/support/Peers.h"

using namespace vt;
using vt::testing::ModuleClient;
using vt::testing::ServerEnd;

namespace {

class LinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetLinkWaitMs(2000);
    ASSERT_TRUE(peer.Accept());
  }
  void TearDown() override { SetLinkWaitMs(kDefaultLinkWaitMs); }
  ServerEnd peer;
  ModuleClient client{peer.Port()};
  TcpClientSocket& socket = client.socket;
  SocketManager& link = client.link;
};

}  // namespace

TEST_F(LinkTest, CountedReplyCompletesOverTwoReceives) {
  peer.Send("GPIB->10:abcd");
  WaitAndParse(&link);
  EXPECT_EQ(link.BytesExpected, 10);
  EXPECT_EQ(link.ReplyText, "abcd");
  EXPECT_TRUE(link.ReplyPending);
  peer.Send("efghij");
  WaitAndParse(&link);
  EXPECT_EQ(link.ReplyText, "abcdefghij");
  EXPECT_FALSE(link.ReplyPending);
  EXPECT_EQ(link.BytesReceived, 10);
}

TEST_F(LinkTest, TimeoutFieldIsFiveDigitsOrMore) {
  EXPECT_EQ(TimeoutField(100000), "100000");
  peer.Send("0000->Done ");
  SendUartCommand(&link, "bbl peek 4168\r\n", 1000);
  EXPECT_EQ(peer.Received(), "UART->01000bbl peek 4168\r\n");
  peer.Send("0000->Done ");
  SendUartCommand(&link, "dbg wait 40\r\n", 5);
  EXPECT_EQ(peer.Received(), "UART->00005dbg wait 40\r\n");
}

TEST_F(LinkTest, QueryWaitsPastControlMessagesForTheReply) {
  peer.Send("0000->Done ");
  std::string reply;
  // The "Done" does not end the wait; the reply sent a moment later does.
  std::thread late([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    peer.Send("UART->[0x0001]: 0x3108\r\n");
  });
  reply = QueryUartReply(&link);
  late.join();
  EXPECT_EQ(reply, "[0x0001]: 0x3108\r\n");
  EXPECT_EQ(peer.Received(), "0000->?UART ");
}

TEST_F(LinkTest, MessagesAreFramedWhateverTheSegmentation) {
  // However TCP cuts the stream, the same messages come out, each once; one
  // receive may hold them all.
  const std::string stream =
      "0000->ID_assign 42 0000->Granted 0000->Done UART->shread16 [0x0001]: 0x0301\r\n";
  for (size_t cut = 0; cut <= stream.size(); ++cut) {
    SocketManager l;
    l.DonesOwed = 1;
    ParseText(&l, stream.substr(0, cut));
    ParseText(&l, stream.substr(cut));
    EXPECT_EQ(l.ClientId, 42) << cut;
    EXPECT_EQ(l.Granted, 1u) << cut;
    EXPECT_EQ(l.DonesOwed, 0) << cut;
    EXPECT_EQ(l.ReplyText, "shread16 [0x0001]: 0x0301\r\n") << cut;
    EXPECT_EQ(l.Received, "") << cut;
  }
  // A reply is whole once it ends in CR LF or the next message starts.
  SocketManager l;
  ParseText(&l, "UART->peek [4168]: 0x00");
  EXPECT_EQ(l.ReplyText, "");
  ParseText(&l, "10\r");
  EXPECT_EQ(l.ReplyText, "");
  ParseText(&l, "\n");
  EXPECT_EQ(l.ReplyText, "peek [4168]: 0x0010\r\n");
  ParseText(&l, "UART->no line end0000->Granted ");
  EXPECT_EQ(l.ReplyText, "no line end");
}

TEST_F(LinkTest, JunkIsSkippedUpToTheNextMessage) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"HELLO \x01\x7f 0000->Granted ", 1}, {"0000->Ping! 0000->Granted ", 1}, {"garbage without end", 0}};
  for (const auto& [text, granted] : cases) {
    SocketManager l;
    ParseText(&l, text);
    EXPECT_EQ(l.Granted, granted) << text;
    EXPECT_LE(l.Received.size(), 5u) << text;  // at most a tail that may start a message
  }
  // A non-numeric client id or byte count counts as 0.
  link.ClientId = 5;
  ParseText(&link, "0000->ID_alloc: abc 0000->Granted ");
  EXPECT_EQ(link.ClientId, 0);
  ParseText(&link, "GPIB->x:12");
  EXPECT_EQ(link.BytesExpected, 0);
  EXPECT_FALSE(link.ReplyPending);
}

TEST_F(LinkTest, OneMissedAnswerFailsTheRestOfTheBatch) {
  SetLinkWaitMs(200);
  auto start = std::chrono::steady_clock::now();
  {
    LinkBatch batch("Reading");
    RequestChannel(&link);  // the server stays silent
    SendUartCommand(&link, "bbl peek 1\r\n", 1000);
    EXPECT_EQ(QueryUartReply(&link), "");
    ReleaseChannel(&link);
    EXPECT_TRUE(LinkBatchFailed());
  }
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(ms, 190);
  EXPECT_LT(ms, 400);  // one wait, not four
  // Nothing more went out after the missed answer but the release.
  EXPECT_EQ(peer.Received(), "0000->Request 0000->Release ");
  EXPECT_FALSE(LinkAnswering(&link));
  EXPECT_NE(LinkFailure().find("Reading stopped: no answer from the socket manager within 200 ms"),
            std::string::npos) << LinkFailure();
  // The next batch tries again; an answer marks the link as answering.
  peer.Send("0000->Done 0000->Granted ");
  LinkBatch again("Reading");
  RequestChannel(&link);
  EXPECT_EQ(link.Granted, 1u);
  EXPECT_TRUE(LinkAnswering(&link));
  EXPECT_FALSE(LinkBatchFailed());
}

TEST_F(LinkTest, ALateReplyIsNotTakenForTheNextQuery) {
  SetLinkWaitMs(150);
  EXPECT_EQ(QueryUartReply(&link), "");
  peer.Send("UART->late\r\n");
  std::thread answer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    peer.Send("UART->fresh\r\n");
  });
  EXPECT_EQ(QueryUartReply(&link), "fresh\r\n");
  answer.join();
}

namespace {
struct Watcher : LinkObserver {
  SocketManager* link = nullptr;
  int calls = 0, over = 0;
  std::string operation, status, nested = "unset";
  bool Waiting(const std::string& op, int elapsedMs) override {
    ++calls;
    operation = op;
    nested = QueryUartReply(link);  // refused while the module waits
    HoldLink();                     // likewise: the running hold stays as it is
    return elapsedMs < 120;
  }
  void WaitOver() override { ++over; }
  void Status(const std::string& text) override { status = text; }
};
}  // namespace

TEST_F(LinkTest, TheObserverSeesTheWaitAndMayCancelIt) {
  Watcher w;
  w.link = &link;
  link.Observer = &w;
  link.WaitMs = 5000;  // the host's setting wins over the module's default
  auto start = std::chrono::steady_clock::now();
  {
    LinkBatch batch("Identifying the handset");
    EXPECT_EQ(QueryUartReply(&link), "");
  }
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(ms, 1000);
  EXPECT_GE(w.calls, 2);
  EXPECT_EQ(w.operation, "Identifying the handset");
  EXPECT_EQ(w.nested, "");
  EXPECT_FALSE(LinkHeld());
  EXPECT_EQ(w.over, 1);
  EXPECT_EQ(w.status, "Identifying the handset stopped: cancelled by the user");
  EXPECT_EQ(peer.Received(), "0000->?UART ");  // the nested query sent nothing
}

TEST_F(LinkTest, WithTheLinkDownNothingIsSent) {
  socket.Close();
  RequestChannel(&link);
  SendUartCommand(&link, "bbl poke 4168 1\r\n", 1000);
  EXPECT_EQ(QueryUartReply(&link), "");
  ReleaseChannel(&link);
  EXPECT_EQ(peer.Received(50), "");
  EXPECT_EQ(QueryUartReply(nullptr), "");
}

TEST_F(LinkTest, AServerThatVanishesEndsTheWaitAtOnce) {
  peer.Close();
  EXPECT_EQ(QueryUartReply(&link), "");
  EXPECT_FALSE(socket.Active());
  EXPECT_FALSE(socket.LastError().empty());
}

TEST(HostPort, Splits) {
  std::string host;
  int port = 0;
  EXPECT_TRUE(SplitHostPort("[::1]:5000", host, port));
  EXPECT_EQ(host + ":" + std::to_string(port), "::1:5000");
  EXPECT_FALSE(SplitHostPort("localhost", host, port));
  EXPECT_FALSE(SplitHostPort("localhost:99999", host, port));
  EXPECT_FALSE(SplitHostPort(":80", host, port));
}
