#include "config/MemoFile.h"

#include "common/SafeFile.h"

#include <new>

namespace vt {

std::vector<std::string> ParseMemoText(std::string_view data) {
  std::vector<std::string> lines;
  std::string line;
  bool afterLineEnd = false;
  for (char c : data) {
    if (c == '\r' || c == '\n') {
      if (!afterLineEnd) lines.push_back(line);
      line.clear();
      afterLineEnd = true;
    } else {
      line += c;
      afterLineEnd = false;
    }
  }
  return lines;
}

std::string FormatMemoText(const std::vector<std::string>& lines) {
  std::string out;
  size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

bool LoadMemoFile(const std::string& path, LineStore& memo, std::string* error) {
  try {
    std::string data;
    if (!ReadWholeFile(path, data, error)) return false;
    memo.Assign(ParseMemoText(data));
    return true;
  } catch (const std::bad_alloc&) {
    if (error) *error = "not enough memory to load it";
    return false;
  }
}

bool SaveMemoFile(const std::string& path, const LineStore& memo, std::string* error) {
  try {
    return SaveFile(path, FormatMemoText(memo.Lines()), error);
  } catch (const std::bad_alloc&) {
    if (error) *error = "not enough memory to save it";
    return false;
  }
}

FileTag ReadFileTag(MemoConfig& config) {
  FileTag tag;
  config.OpenSection(kFileTagSection);
  std::string key, value;
  while (config.NextKeyValue(key, value)) {
    if (key == "AudioMessage") tag.audioMessage = value;
    else if (key == "AudioMode") tag.audioMode = value;
  }
  return tag;
}

void WriteFileTag(MemoConfig& config, const FileTag& tag) {
  config.BeginSection(kFileTagSection);
  config.WriteText("AudioMessage", tag.audioMessage);
  config.WriteText("AudioMode", tag.audioMode);
}

namespace {
struct NamedMode {
  AudioModeChoice choice;
  const char* text;
};
constexpr NamedMode kModes[] = {{AudioModeChoice::Handset, "handset"},
                                {AudioModeChoice::Headset, "headset"},
                                {AudioModeChoice::SpeakerPhone, "speakerphone"},
                                {AudioModeChoice::Carkit, "carkit"}};
}  // namespace

FileTagChoice ChoiceFromTag(const FileTag& tag) {
  FileTagChoice c;
  std::string message = tag.audioMessage.empty() ? "speech" : tag.audioMessage;
  c.message = message == "speech"  ? AudioMessageChoice::Speech
              : message == "music" ? AudioMessageChoice::Music
                                   : AudioMessageChoice::Unchanged;
  std::string mode = tag.audioMode.empty() ? "handset" : tag.audioMode;
  c.mode = AudioModeChoice::Other;
  for (const auto& m : kModes)
    if (mode == m.text) c.mode = m.choice;
  if (c.mode == AudioModeChoice::Other) c.otherMode = mode;
  return c;
}

FileTag TagFromChoice(const FileTagChoice& choice) {
  FileTag tag;
  if (choice.message == AudioMessageChoice::Speech) tag.audioMessage = "speech";
  else if (choice.message == AudioMessageChoice::Music) tag.audioMessage = "music";
  tag.audioMode = choice.otherMode;
  for (const auto& m : kModes)
    if (choice.mode == m.choice) tag.audioMode = m.text;
  return tag;
}

}  // namespace vt
