// Cutting a client's byte stream into messages: several in one receive, one
// spread over many, and input that fits no message.
#include <gtest/gtest.h>

#include <vector>

#include "sockmgr/server/MessageSplitter.h"

using vt::sockmgr::Message;
using vt::sockmgr::MessageKind;
using vt::sockmgr::MessageSplitter;
using Shown = std::vector<std::string>;

namespace {

// A message as one text: its kind and the fields that kind carries.
std::string Show(const Message& m) {
  switch (m.kind) {
    case MessageKind::Request: return "Request";
    case MessageKind::Release: return "Release";
    case MessageKind::QueryUart: return "?UART";
    case MessageKind::TypeAnswer:
      return "Type " + m.clientType + "|" + m.clientNumber + "|" + m.clientInfo;
    case MessageKind::Uart:
      return m.error.empty() ? "UART " + std::to_string(m.timeoutMs) + " " + m.line
                             : "bad UART " + m.error;
    case MessageKind::Unknown: return "junk " + m.raw;
  }
  return "?";
}

// Everything complete so far, after `out`; with joinJunk, junk that arrives
// in pieces (as when fed byte by byte) is joined.
Shown All(MessageSplitter& s, Shown out = {}, bool joinJunk = false) {
  while (auto m = s.Next()) {
    std::string shown = Show(*m);
    if (joinJunk && !out.empty() && out.back().starts_with("junk ") && shown.starts_with("junk "))
      out.back() += shown.substr(5);
    else
      out.push_back(shown);
  }
  return out;
}

const std::string kSession =
    "0000->Type:VoxTuner,7,Q7xx tuning 0000->Request UART->01000bbl peek 4168\r\n"
    "0000->?UART UART->100000bbl auwrm 5 3 160\r\n0000->Release ";
// The type answer ends at the blank after its third field; "tuning " is
// nobody's message.
const Shown kSessionShown = {"Type VoxTuner|7|Q7xx",   "junk tuning ",
                             "Request",                "UART 1000 bbl peek 4168\r\n",
                             "?UART",                  "UART 100000 bbl auwrm 5 3 160\r\n",
                             "Release"};

}  // namespace

// Fed byte by byte, every prefix of every message must wait for its rest.
TEST(MessageSplitter, ManyMessagesInOneReceiveOrOneByteAtATime) {
  MessageSplitter whole, bytewise;
  whole.Feed(kSession);
  EXPECT_EQ(All(whole), kSessionShown);
  EXPECT_EQ(whole.Buffered(), 0u);
  Shown m;
  for (char c : kSession) {
    bytewise.Feed(std::string_view(&c, 1));
    m = All(bytewise, m, true);
  }
  EXPECT_EQ(m, kSessionShown);
}

TEST(MessageSplitter, GarbageAndMalformedMessages) {
  // Fed in this order to one splitter.
  const struct {
    std::string feed;
    Shown messages;
  } steps[] = {
      {"hello world0000->Release 0000->Frob UART->01000dbg wait 40\r\n",
       {"junk hello world", "Release", "junk 0000->Frob ", "UART 1000 dbg wait 40\r\n"}},
      // Without a following message the garbage goes, except a tail that may
      // still become one.
      {"xyzzy0000-", {"junk xyzzy"}},
      {">?UART ", {"?UART"}},
      // Time-out of fewer than five digits: cut out with the reason, to be answered.
      {"UART->100bbl peek 1\r\n0000->Request ",
       {"bad UART bad time-out field \"100\": it needs at least 5 digits", "Request"}},
      // A line without its terminator ends where the next message starts.
      {"UART->01000bbl peek 10000->?UART ", {"UART 1000 bbl peek 1", "?UART"}},
      // A type answer cut short by another message is dropped.
      {"0000->Type:abc0000->Release ", {"junk 0000->Type:abc", "Release"}},
      // An absurd time-out is clamped, not overflowed.
      {"UART->99999999999999999999dbg wait 1\r\n", {"UART 1000000000 dbg wait 1\r\n"}},
  };
  MessageSplitter s;
  for (const auto& step : steps) {
    SCOPED_TRACE(step.feed);
    s.Feed(step.feed);
    EXPECT_EQ(All(s), step.messages);
  }
}

// Nothing that never ends is hoarded: an unterminated line or type answer is
// dropped as junk once past the bound, and the stream goes on.
TEST(MessageSplitter, UnterminatedFloodIsDroppedNotHoarded) {
  MessageSplitter s(4096);
  s.Feed("UART->01000");
  for (int i = 0; i < 100; ++i) {
    s.Feed(std::string(1000, 'a'));
    while (auto m = s.Next()) EXPECT_EQ(m->kind, MessageKind::Unknown);
    EXPECT_LE(s.Buffered(), 5000u);
  }
  s.Feed("0000->Type:" + std::string(10000, 'x') + "0000->Request ");
  const Shown m = All(s);
  ASSERT_GE(m.size(), 2u);
  EXPECT_TRUE(m[m.size() - 2].starts_with("junk ")) << m[m.size() - 2].substr(0, 40);
  EXPECT_EQ(m.back(), "Request");
}
