// The socket manager's splitter over any client bytes, fed whole and in
// pieces whose sizes come from the input: either way the messages are the
// client's bytes in order with none lost (what is not cut yet stays
// buffered), and the buffer stays bounded.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "sockmgr/server/MessageSplitter.h"

using vt::sockmgr::Message;
using vt::sockmgr::MessageSplitter;

namespace {
constexpr size_t kMax = 256;

std::vector<Message> Drain(MessageSplitter& s) {
  std::vector<Message> out;
  while (auto m = s.Next()) {
    if (m->raw.empty()) std::abort();  // no progress: the server would spin
    out.push_back(std::move(*m));
  }
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  MessageSplitter whole(kMax), pieces(kMax);
  whole.Feed(bytes);
  std::vector<Message> a = Drain(whole);
  std::vector<Message> b;
  for (size_t at = 0; at < size;) {
    const size_t n = 1 + data[at] % 7;
    pieces.Feed(bytes.substr(at, n));
    for (Message& m : Drain(pieces)) b.push_back(std::move(m));
    at += n;
  }
  for (const auto& [messages, splitter] : {std::pair{&a, &whole}, std::pair{&b, &pieces}}) {
    std::string joined;
    for (const Message& m : *messages) joined += m.raw;
    if (joined.size() + splitter->Buffered() != size || bytes.substr(0, joined.size()) != joined)
      std::abort();
    if (splitter->Buffered() > kMax) std::abort();
  }
  return 0;
}
