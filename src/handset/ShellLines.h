// The handset's debug-shell lines and the rules that turn its answers into
// numbers. Pure text work: nothing here touches the link.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// Every line ends in CR LF; numbers are signed decimal.
std::string PeekLine(int32_t address);
std::string PeekLine(std::string_view address);  // "0x1BE6" and the like, as given
std::string PokeLine(int32_t address, int32_t value);
// "bbl aurdm " (the word in force) or, with builtIn, "bbl aurdb " (the built-in word).
std::string AreaReadLine(int32_t area, int32_t index, bool builtIn);
std::string AreaWriteLine(int32_t area, int32_t index, int32_t value);
// "bbl shread16 0x0001\r\n" .. "0x0003" for identification words 1 to 3.
std::string IdentWordLine(int word);

inline constexpr const char* kDbgWaitLine = "dbg wait 40\r\n";
inline constexpr const char* kDbgReadAudioLine = "dbg read 0x70002030\r\n";
inline constexpr const char* kDbgWriteDaiClockLine = "dbg write 0x70002008 0x00100000\r\n";
inline constexpr const char* kDbgWriteDaiModeDLine = "dbg write 0x70002050 0x0000000D\r\n";
inline constexpr const char* kDbgWriteDaiMode11Line = "dbg write 0x70002050 0x00000011\r\n";
inline constexpr const char* kDbgWriteDaiFrameLine = "dbg write 0x70002058 0x00000071\r\n";
inline constexpr const char* kMicGroundPeekAddress = "0x7000A050";
inline constexpr const char* kEnhancerPeekAddress = "0x1BE6";

// The text a refused area read answers with.
inline constexpr const char* kApiFailedText = "call to an API failed";

// Answers to "bbl peek " and "bbl shread16 ": the six characters after the
// first "]: " (from the third character on when there is none), as a decimal
// or "0x" hexadecimal integer. Blanks and line ends around the value are
// ignored; an empty or non-numeric value gives 0.
int32_t ParseColonValue(std::string_view answer);
// Answers to "bbl aurdm " and "bbl aurdb ": the same after the first "] "
// (from the second character on when there is none).
int32_t ParseBracketValue(std::string_view answer);
// 32-bit answers ("dbg read ", "bbl peek 0x7000A050"): the ten characters
// after the first "]: ".
uint32_t ParseColonLongValue(std::string_view answer);

// A 16-bit word of 32768 or more stands for itself minus 65536.
int32_t ToSigned16(int32_t word);

}  // namespace vt
