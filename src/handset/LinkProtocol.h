// The texts of the socket-manager protocol, shared by the module's link and
// voxsockmgr. Plain 8-bit text on one TCP stream; each message is known by
// its prefix: "0000->" for the server's control channel, "UART->" for a shell
// line or the handset's reply, "GPIB->", "GPLI" and "PVAL" for instrument
// replies.
#pragma once

#include <cstddef>
#include <string_view>

namespace vt::protocol {

inline constexpr std::string_view kControlHead = "0000->";
inline constexpr std::string_view kUartHead = "UART->";
inline constexpr std::string_view kGpibHead = "GPIB->";  // counted: length ":" text
inline constexpr std::string_view kGpliWord = "GPLI";     // the text starts 8 characters in
inline constexpr size_t kGpliSkip = 8;
inline constexpr std::string_view kPvalHead = "PVAL->";
// The four characters that tell the control channel from the replies.
inline constexpr size_t kKindLength = 4;

// Client to server.
inline constexpr std::string_view kRequest = "0000->Request ";
inline constexpr std::string_view kRelease = "0000->Release ";
inline constexpr std::string_view kQueryUart = "0000->?UART ";
inline constexpr std::string_view kTypeAnswerHead = "0000->Type:";  // type "," number "," info " "
// "UART->" + time-out (ms, at least this many digits, zero-padded) + the line.
inline constexpr size_t kTimeoutDigits = 5;

// Server to client: the control word (the first four characters after the
// head) and how many characters the message takes after the head.
inline constexpr std::string_view kIdWord = "ID_a";   // then the id and a blank
inline constexpr size_t kIdHeadLength = 10;
inline constexpr std::string_view kTypeWord = "Type";
inline constexpr size_t kTypeLength = 11;
inline constexpr std::string_view kGrantWord = "Gran";
inline constexpr size_t kGrantLength = 8;
inline constexpr std::string_view kDoneWord = "Done";
inline constexpr size_t kDoneLength = 5;
inline constexpr std::string_view kDeniedWord = "Deni";  // a line refused: stands for its "Done"

// What voxsockmgr sends (the module only relies on the words and lengths above).
inline constexpr std::string_view kIdAssign = "0000->ID_assign ";  // + id + " "
inline constexpr std::string_view kTypeQuery = "0000->Type query ";
inline constexpr std::string_view kGranted = "0000->Granted ";
inline constexpr std::string_view kDone = "0000->Done ";
inline constexpr std::string_view kDenied = "0000->Denied ";

static_assert(kTypeQuery.size() == kControlHead.size() + kTypeLength);
static_assert(kGranted.size() == kControlHead.size() + kGrantLength);
static_assert(kDone.size() == kControlHead.size() + kDoneLength);
static_assert(kIdAssign.size() == kControlHead.size() + kIdHeadLength);

}  // namespace vt::protocol
