// Parameter lists: value lists whose rows, in order, are the words of one
// handset parameter block (echo suppressor, noise suppressors, filter
// coefficients; the echo canceller and the selective echo suppressor build
// on the same pieces).
//
// A list is checked whole before anything is sent: one row that does not
// read as a 16-bit word stops the send before the first line, so the handset
// never holds half of a new block.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/ControlView.h"
#include "editors/MemoKeys.h"

namespace vt::editors {

using RowList = std::vector<std::pair<std::string, std::string>>;

// A row's text as a word: decimal, negative decimal or "0x" hexadecimal,
// from -32768 to 65535 (signed or unsigned 16-bit). Nothing otherwise.
std::optional<int32_t> ParseWord(std::string_view text);

// The words of rows `first` to `last` (from 1), or the message naming the
// first row that is missing or does not read as a word.
struct ListWords {
  std::vector<int32_t> words;
  std::string error;
  bool ok() const { return error.empty(); }
};
ListWords ReadListWords(const RowList& rows, int first, int last);

// A list sent as one parameter id, word k-1 = row k.
struct ParamList {
  std::string list;      // the value list editor
  std::string checkBox;  // the section box
  int paramId;
  int words;
  enum After {
    None,
    DlFirLength,  // rewrite the FIR length of DSP item 3 and re-initialise it
    DlNsRestart,  // on a resend: DSP item 9 bit 1 set, enabled, re-initialised, released
  } after = None;
};

const ParamList& EsList();     // "Echo sup par", id 17
const ParamList& UlNsList();   // uplink "Noise sup param", id 18
const ParamList& DlNsList();   // downlink "Noise sup param", id 124
const ParamList& UlFirList();  // "UL FIR coeff", id 0
const ParamList& DlFirList();  // "DL FIR coeff", id 1
const ParamList& UlIirList();  // "UL IIR coeff", id 2
const ParamList& DlIirList();  // "DL IIR coeff", id 22

// The section box clicked: checked, the whole list written, the id enabled
// and committed under one held link; unchecked, the id disabled. Returns the
// message of a list that could not be read (nothing sent), else "".
std::string ListSectionClicked(const ParamList& l, const ControlView& controls);
// "update" / "Send to target": while the section is checked, the list
// written and committed again, without a new enable.
std::string ListResend(const ParamList& l, const ControlView& controls);

// Rows kept as last sent, for sending only the rows that changed since.
class KeptRows {
 public:
  static constexpr int kRows = 50;
  void Clear() { texts_ = {}; }
  // True when row `row` (from 1) differs from the kept text; keeps the new text.
  bool Changed(int row, const std::string& text);

 private:
  std::array<std::optional<std::string>, kRows> texts_{};
};

// A block of "Key=Value" lines (as in the memo) pasted into a list: each
// line sets the row of that key. Returns how many rows were set.
int PasteRows(ControlView& controls, const std::string& list, std::string_view text);

// A memo section of a list: one line per row, then the extra keys.
struct ListMemo {
  std::string name;
  std::string list;  // empty: the echo canceller's current list for the chip type
  std::vector<MemoKey> extras;
  std::string shownControl;  // written only while this control is shown
};
std::string ListOf(const ListMemo& m, int chipType);
void SendListToMemo(const ListMemo& m, const ControlView& controls, const FrameState& state,
                    MemoConfig& memo);
void GetListFromMemo(const ListMemo& m, MemoConfig& memo, ControlView& controls,
                     const FrameState& state);

const ListMemo& DlFirMemo();
const ListMemo& UlFirMemo();
const ListMemo& DlIirMemo();
const ListMemo& UlIirMemo();
const ListMemo& EsMemo();
const ListMemo& NsMemo();
const ListMemo& DlNsMemo();

}  // namespace vt::editors
