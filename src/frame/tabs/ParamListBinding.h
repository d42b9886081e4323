// Parameter lists wired to their widgets: section boxes, resend buttons,
// memo buttons and pasting Key=Value blocks. A list that cannot be read is
// reported in an "Error" box naming the row; nothing is sent then.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "editors/ParamLists.h"

class QObject;
class QPushButton;
class QWidget;

namespace vt::frame {

struct TabContext;
class TValueListEditor;

// Shows a send's message, if any.
void ReportListError(const std::string& error);
// Runs `f` (and reports its message) on every change of the control: a
// check box's toggle, a radio button becoming checked, a bar's new value, a
// button's click.
void OnListChange(QWidget* w, QObject* context, std::function<std::string()> f);
// The section box and the resend button of a plain list.
void BindParamList(TabContext& ctx, const editors::ParamList& l, QPushButton* resend);
// "Send to Memo" writes the list sections in order, "Get from Memo" reads them.
void BindListMemoButtons(TabContext& ctx, QPushButton* send, QPushButton* get,
                         std::vector<const editors::ListMemo*> memos);
// Ctrl+V in the list fills the rows named by the pasted Key=Value lines.
void EnableRowPaste(TabContext& ctx, TValueListEditor* list);

}  // namespace vt::frame
