// The module's receive path over any server bytes, fed in pieces whose sizes
// come from the input: it must never read past what came, never keep more
// than its bound, and leave the link's counters sane.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "handset/Link.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vt::SocketManager link;  // no socket: nothing is answered back
  link.ClientType = "VoxTuner";
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (size_t at = 0; at < size;) {
    const size_t n = 1 + data[at] % 13;
    vt::ParseText(&link, bytes.substr(at, n));
    at += n;
    if (link.Received.size() > (1u << 20)) std::abort();
    if (link.ReplyPending && link.BytesReceived > link.BytesExpected) std::abort();
  }
  return 0;
}
