// The frame's "Save Memo to file" and "Load Memo from file" buttons. Both act
// on the active memo, chosen when the button is pressed, and ask the user
// through vt::ui::Dialogs (so scripted sessions answer with queued paths and
// button words; the "File tag" window is driven while it runs modally).
//
// The frame's click handlers are one line each:
//
//   void TFrame1::SaveMemoButtonClick() { vt::ui::SaveMemoToFile(*Form12); }
//   void TFrame1::LoadMemoButtonClick() { vt::ui::LoadMemoFromFile(); }
//
// where Form12 is the module's TForm12 and the memos are bound to the shared
// cursor by a MemoBinding (MemoLines.h).
#pragma once

#include "config/LineStore.h"
#include "config/MemoConfig.h"

namespace vt::ui {

class TForm12;

enum class MemoFileResult {
  Done,       // saved or loaded
  Cancelled,  // the file dialog was cancelled
  Declined,   // the existing file was not to be overwritten
  Failed,     // the file could not be written or read (the user was told)
  NoMemo,     // no memo is attached
};

// Save: asks for the file ("*.txt"), shows the memo's FILE_TAG in the "File
// tag" window and, after "OK", writes the tag back into the memo; refuses a
// file the user may not write (with a message, before any question); asks
// before overwriting an existing file; writes the memo with CR LF line ends
// keeping the file's identity (SaveMemoFile), so a failure leaves the old
// file intact.
MemoFileResult SaveMemoToFile(LineStore& memo, TForm12& tagWindow);
// The same on the memo that `config` chooses now (the module-wide cursor by default).
MemoFileResult SaveMemoToFile(TForm12& tagWindow, MemoConfig& config = SharedMemoConfig());

// Load: asks for the file ("*.txt") and replaces the memo with its lines. A
// file that cannot be read (not a regular file, too large) is reported and
// the memo keeps its text.
MemoFileResult LoadMemoFromFile(LineStore& memo);
MemoFileResult LoadMemoFromFile(MemoConfig& config = SharedMemoConfig());

}  // namespace vt::ui
