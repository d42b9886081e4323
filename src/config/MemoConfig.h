// The configuration text in the memos: sections opened by a line "Begin NAME"
// and closed by "End NAME", holding one line per setting: four blanks, the
// key, "=", the value. One shared cursor serves every section writer and
// reader of the module; each time a section is opened it picks the active one
// of the frame's three memos.
//
// Writing:  cfg.BeginSection("DSP_CONF"); cfg.WriteBool("DL_FIR_en", on); ...
// Reading:  cfg.OpenSection("DSP_CONF");
//           while (cfg.NextKeyValue(key, value)) if (key == "DL_FIR_en") ... ValueToBool(value)
#pragma once

#include "config/LineStore.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vt {

// Which memo is active (0, 1, 2) from the "Active" radio buttons of the first
// two memos: the first when its button is checked, else the second when its
// button is checked, else the third.
int ChooseMemoIndex(bool firstChecked, bool secondChecked);

// Value conversions shared by all readers.
// Decimal or "0x" hexadecimal; text that is not a 32-bit number reads as 0.
int32_t ValueToInt(std::string_view value);
// True when the value is "Yes" in any case.
bool ValueToBool(std::string_view value);
// How writers spell a boolean: "Yes" or "No".
const char* BoolToValue(bool b);

class MemoConfig {
 public:
  // Tells which memo (0..2) is active; asked each time a section is opened.
  using ActiveMemo = std::function<int()>;

  // Plugs in the three memos. Null memos, or no chooser, read as absent:
  // writes to them are dropped and reads give nothing.
  void Attach(LineStore* memo1, LineStore* memo2, LineStore* memo3, ActiveMemo active);
  void Detach();
  // True when `memo` is one of the attached memos.
  bool IsAttached(const LineStore* memo) const;

  // The memo chosen now by the "Active" buttons (null when nothing is attached).
  LineStore* ChooseActiveMemo() const;

  // Writer: chooses the active memo, finds or appends the section, empties it
  // and positions the cursor right after its "Begin " line.
  void BeginSection(std::string_view name);
  void WriteInt(std::string_view key, int32_t value);
  void WriteBool(std::string_view key, bool value);
  void WriteText(std::string_view key, std::string_view text);

  // Reader: chooses the active memo and finds the section; creates nothing.
  void OpenSection(std::string_view name);
  // The next key and value of the opened section; false at its end or when
  // the section is absent.
  bool NextKeyValue(std::string& key, std::string& value);

  int BeginLine() const { return beginLine_; }
  int EndLine() const { return endLine_; }
  int CurrentLine() const { return currentLine_; }
  // The memo opened last (null before the first open).
  LineStore* Memo() const { return memo_; }

 private:
  void Choose();
  void WriteLine(std::string line);

  int32_t beginLine_ = -1;
  int32_t endLine_ = -1;
  int32_t currentLine_ = 0;
  LineStore* memo_ = nullptr;
  std::array<LineStore*, 3> memos_{};
  ActiveMemo active_;
};

// The module-wide cursor that every tab's section writer and reader uses.
MemoConfig& SharedMemoConfig();

// Splits one key line the way readers see it: the first four characters are
// skipped whatever they are, the key runs up to the first "=", the value is
// everything after it; nothing is trimmed. Without "=" the key is empty and
// the value is the whole line.
void SplitKeyLine(std::string_view line, std::string& key, std::string& value);

}  // namespace vt
