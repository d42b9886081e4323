// Cutting a client's byte stream into messages: several in one receive, one
// spread over many, and input that fits no message.
#include <gtest/gtest.h>

#include <vector>

#include "sockmgr/server/MessageSplitter.h"

using vt::sockmgr::Message;
using vt::sockmgr::MessageKind;
using vt::sockmgr::MessageSplitter;

namespace {

std::vector<Message> All(MessageSplitter& s) {
  std::vector<Message> out;
  while (auto m = s.Next()) out.push_back(*m);
  return out;
}

const std::string kSession =
    "0000->Type:VoxTuner,7,Q7xx tuning 0000->Request UART->01000bbl peek 4168\r\n"
    "0000->?UART UART->100000bbl auwrm 5 3 160\r\n0000->Release ";

void ExpectSession(const std::vector<Message>& m) {
  ASSERT_EQ(m.size(), 7u);
  EXPECT_EQ(m[0].kind, MessageKind::TypeAnswer);
  EXPECT_EQ(m[0].clientType, "VoxTuner");
  EXPECT_EQ(m[0].clientNumber, "7");
  EXPECT_EQ(m[0].clientInfo, "Q7xx");  // the answer ends at the blank after the third field
  EXPECT_EQ(m[1].kind, MessageKind::Unknown);  // "tuning " is nobody's message
  EXPECT_EQ(m[1].raw, "tuning ");
  EXPECT_EQ(m[2].kind, MessageKind::Request);
  EXPECT_EQ(m[3].kind, MessageKind::Uart);
  EXPECT_EQ(m[3].timeoutMs, 1000);
  EXPECT_EQ(m[3].line, "bbl peek 4168\r\n");
  EXPECT_EQ(m[4].kind, MessageKind::QueryUart);
  EXPECT_EQ(m[5].kind, MessageKind::Uart);
  EXPECT_EQ(m[5].timeoutMs, 100000);
  EXPECT_EQ(m[5].line, "bbl auwrm 5 3 160\r\n");
  EXPECT_EQ(m[6].kind, MessageKind::Release);
}

}  // namespace

TEST(MessageSplitter, ManyMessagesInOneReceive) {
  MessageSplitter s;
  s.Feed(kSession);
  ExpectSession(All(s));
  EXPECT_EQ(s.Buffered(), 0u);
}

TEST(MessageSplitter, OneByteAtATimeGivesTheSameMessages) {
  MessageSplitter s;
  std::vector<Message> m;
  for (char c : kSession) {
    s.Feed(std::string_view(&c, 1));
    for (auto& x : All(s)) {
      // Garbage fed bytewise goes bytewise; join it for the comparison.
      if (!m.empty() && m.back().kind == MessageKind::Unknown && x.kind == MessageKind::Unknown)
        m.back().raw += x.raw;
      else
        m.push_back(x);
    }
  }
  ExpectSession(m);
}

TEST(MessageSplitter, WaitsForTheRestOfAMessage) {
  MessageSplitter s;
  for (const char* part : {"0", "0000->", "0000->Req", "0000->Type:a,1", "UART->0100",
                           "UART->01000bbl peek 1\r", "UA"}) {
    MessageSplitter t;
    t.Feed(part);
    EXPECT_FALSE(t.Next().has_value()) << part;
    EXPECT_EQ(t.Buffered(), std::string(part).size());
  }
}

TEST(MessageSplitter, GarbageIsCutOffUpToTheNextMessage) {
  MessageSplitter s;
  s.Feed("hello world0000->Release 0000->Frob UART->01000dbg wait 40\r\n");
  auto m = All(s);
  ASSERT_EQ(m.size(), 4u);
  EXPECT_EQ(m[0].kind, MessageKind::Unknown);
  EXPECT_EQ(m[0].raw, "hello world");
  EXPECT_EQ(m[1].kind, MessageKind::Release);
  EXPECT_EQ(m[2].kind, MessageKind::Unknown);
  EXPECT_EQ(m[2].raw, "0000->Frob ");
  EXPECT_EQ(m[3].line, "dbg wait 40\r\n");

  // Without a following message the garbage goes, except a tail that may
  // still become one.
  s.Feed("xyzzy0000-");
  m = All(s);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].raw, "xyzzy");
  s.Feed(">?UART ");
  m = All(s);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].kind, MessageKind::QueryUart);
}

TEST(MessageSplitter, MalformedShellMessages) {
  MessageSplitter s;
  // Time-out of fewer than five digits: not a message of ours.
  s.Feed("UART->100bbl peek 1\r\n0000->Request ");
  auto m = All(s);
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].kind, MessageKind::Unknown);
  EXPECT_EQ(m[1].kind, MessageKind::Request);
  // A line without its terminator ends where the next message starts.
  s.Feed("UART->01000bbl peek 10000->?UART ");
  m = All(s);
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].kind, MessageKind::Uart);
  EXPECT_EQ(m[0].line, "bbl peek 1");
  EXPECT_EQ(m[1].kind, MessageKind::QueryUart);
  // A type answer cut short by another message is dropped.
  s.Feed("0000->Type:abc0000->Release ");
  m = All(s);
  ASSERT_EQ(m.size(), 2u);
  EXPECT_EQ(m[0].kind, MessageKind::Unknown);
  EXPECT_EQ(m[1].kind, MessageKind::Release);
  // An absurd time-out is clamped, not overflowed.
  s.Feed("UART->99999999999999999999dbg wait 1\r\n");
  m = All(s);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].timeoutMs, 1000000000);
}

TEST(MessageSplitter, UnterminatedFloodIsDroppedNotHoarded) {
  MessageSplitter s(4096);
  s.Feed("UART->01000");
  std::string flood(1000, 'a');
  size_t dropped = 0;
  for (int i = 0; i < 100; ++i) {
    s.Feed(flood);
    for (auto& m : All(s)) {
      EXPECT_EQ(m.kind, MessageKind::Unknown);
      dropped += m.raw.size();
    }
    EXPECT_LE(s.Buffered(), 5000u);
  }
  EXPECT_GT(dropped, 90000u);
  s.Feed("0000->Request ");
  auto m = All(s);
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(m.back().kind, MessageKind::Request);

  MessageSplitter t(4096);
  t.Feed("0000->Type:" + std::string(10000, 'x'));
  m = All(t);
  ASSERT_EQ(m.size(), 1u);
  EXPECT_EQ(m[0].kind, MessageKind::Unknown);
}
