// The frame-wide memo: every tab's sections in one order, the MUX section of
// the blocks marked for download, and the sends that follow a full read.
#pragma once

#include <string>
#include <vector>

#include "editors/MemoKeys.h"
#include "editors/ParamLists.h"

namespace vt::editors {

// One section of the frame-wide memo: a plain section or a parameter list;
// `chip` (0: any) limits it to a chip type.
struct CatalogueEntry {
  const MemoSection* section = nullptr;
  const ListMemo* list = nullptr;
  int chip = 0;
  const std::string& Name() const { return section ? section->name : list->name; }
};

// "Send all to Memo" and "Get all from Memo" of the frame, in their order.
const std::vector<CatalogueEntry>& FrameCatalogue();
// The blocks marked for download ("Send mux to Memo", "Get mux from Memo").
const MemoSection& MuxMemo();

void SendAllToMemo(const ControlView& controls, const FrameState& state, MemoConfig& memo);
void GetAllFromMemo(MemoConfig& memo, ControlView& controls, const FrameState& state);
// The buttons whose actions follow "Get all from Memo", in order, so the
// lists just read reach the handset at once.
const std::vector<std::string>& SendsAfterGetAll();

}  // namespace vt::editors
