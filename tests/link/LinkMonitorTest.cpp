// What the link tells its monitor, against a real TCP peer on loopback that
// refuses a line, answers one, then stays silent, then hangs up.
#include <gtest/gtest.h>

#include "handset/Link.h"
#include "handset/LinkMonitor.h"
#include "handset/TcpClientSocket.h"
#include "tests/support/Peers.h"

using namespace vt;

TEST(LinkMonitor, ShowsLinesTheirAnswersATimeOutAndTheDrop) {
  vt::testing::ServerEnd peer;
  vt::testing::ModuleClient client(peer.Port());
  ASSERT_TRUE(peer.Accept());
  SocketManager& link = client.link;
  link.WaitMs = 150;
  LinkMonitor monitor;
  LinkEventStore store;
  monitor.Attach(&store);
  link.Events = &monitor;

  peer.Send("0000->Denied ");  // another client holds the channel
  SendUartCommand(&link, "bbl peek 0\r\n", 300);
  peer.Send("0000->Done ");
  SendUartCommand(&link, "bbl peek 1\r\n", 300);
  QueryUartReply(&link);  // nothing comes back
  peer.Close();
  SendUartCommand(&link, "bbl peek 2\r\n", 40);

  std::vector<LinkEvent> e = store.TakeNew();
  ASSERT_EQ(e.size(), 8u);
  EXPECT_EQ(FormatLinkEvent(e[1]).substr(26, 10), "\t!!\tdenied");
  e.erase(e.begin(), e.begin() + 2);
  EXPECT_EQ(FormatLinkEvent(e[0]).substr(26), "\t->\tline 300 ms\t\tbbl peek 1\\r\\n");
  EXPECT_EQ(e[1].Kind, LinkEventKind::LineDone);
  EXPECT_GE(e[1].RoundTripUs, 0);
  EXPECT_LE(e[0].TimeUs, e[1].TimeUs);
  EXPECT_EQ(e[2].Kind, LinkEventKind::Query);
  EXPECT_EQ(FormatLinkEvent(e[3]).substr(26),
            "\t!!\ttime-out\t\tno answer from the socket manager within 150 ms");
  EXPECT_EQ(e[4].Text, "bbl peek 2\r\n");
  EXPECT_EQ(FormatLinkEvent(e[5]).substr(26),
            "\t!!\tlink down\t\tthe link to the socket manager is down");
  LinkMonitor::Counts c = monitor.Session();
  EXPECT_EQ(c.Lines, 3u);
  EXPECT_EQ(c.Replies, 0u);
  EXPECT_EQ(c.TimeOuts, 1u);
}
