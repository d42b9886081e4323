// Memo files: the lines of a memo, each followed by CR LF, and the "FILE_TAG"
// section that tags a tuning with the audio it is made for.
#pragma once

#include "config/LineStore.h"
#include "config/MemoConfig.h"

#include <string>
#include <string_view>
#include <vector>

namespace vt {

// Splits file contents into memo lines, character by character: CR or LF ends
// a line; a line end right after another adds nothing (so CR LF ends one line
// and blank lines vanish), except that a line end at the very start gives one
// empty first line. A last line without a line end is dropped. Lines may be of
// any length.
std::vector<std::string> ParseMemoText(std::string_view data);

// The file text of some lines: each line followed by CR LF.
std::string FormatMemoText(const std::vector<std::string>& lines);

// Replaces `memo` with the lines of the file. Only regular files of at most
// kMaxLoadBytes are read (a FIFO or a device is refused without blocking).
// When the file cannot be read the memo is left as it was and `error` says why.
bool LoadMemoFile(const std::string& path, LineStore& memo, std::string* error);

// Writes every line of `memo` to the file with SaveFile: a symlink's target is
// written, permissions are kept, a file the user may not write is refused,
// and a failed save leaves the old file as it was.
bool SaveMemoFile(const std::string& path, const LineStore& memo, std::string* error);

// The "FILE_TAG" section.
inline constexpr std::string_view kFileTagSection = "FILE_TAG";

struct FileTag {
  std::string audioMessage;  // `AudioMessage`: "speech" or "music"
  // `AudioMode`: "handset", "headset", "speakerphone", "carkit" or the user's own name
  std::string audioMode;
};

// Reads the tag of the active memo; missing keys read as empty texts.
FileTag ReadFileTag(MemoConfig& config);
// Writes the tag into the active memo (`AudioMessage` then `AudioMode`).
void WriteFileTag(MemoConfig& config, const FileTag& tag);

// The choices of the "File tag" window, in the order of its radio buttons.
enum class AudioMessageChoice { Speech, Music, Unchanged };
enum class AudioModeChoice { Handset, Headset, SpeakerPhone, Carkit, Other };

struct FileTagChoice {
  AudioMessageChoice message = AudioMessageChoice::Speech;
  AudioModeChoice mode = AudioModeChoice::Handset;
  std::string otherMode;  // the text beside "Other:" (only set for Other)
};

// What the window shows for a tag: an empty message counts as "speech" and an
// empty mode as "handset"; a message other than "speech" or "music" leaves the
// buttons unchanged; a mode that is none of the four named ones is "Other:".
FileTagChoice ChoiceFromTag(const FileTag& tag);
// The tag the window's choices stand for. `Unchanged` (no message button
// checked) gives an empty message.
FileTag TagFromChoice(const FileTagChoice& choice);

}  // namespace vt
