// A memo file's bytes: split into lines (and those lines written and split
// again give the same lines), then every section reader of the tool and the
// file tag read out of it into a fresh set of controls, as "Get all from
// Memo" would. The readers must take any value text without harm.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/MemoFile.h"
#include "editors/CodecConfig.h"
#include "editors/CodecInput.h"
#include "editors/CodecMisc.h"
#include "editors/CodecOutput.h"
#include "editors/Delays.h"
#include "editors/DlDyn.h"
#include "editors/DspConfig.h"
#include "editors/EchoCanceller.h"
#include "editors/GlobalPath.h"
#include "editors/Music.h"
#include "editors/ParamLists.h"
#include "editors/PcmPort.h"
#include "editors/SelectiveEs.h"
#include "editors/UlDyn.h"

using namespace vt;
using namespace vt::editors;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string> lines =
      ParseMemoText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (ParseMemoText(FormatMemoText(lines)) != lines) std::abort();

  VectorLineStore store(lines);
  MemoConfig memo;
  memo.Attach(&store, nullptr, nullptr, [] { return 0; });
  ReadFileTag(memo);
  for (int chip : {1, 3}) {
    ControlMap controls;
    const FrameState state{chip, true, true, true};
    for (const MemoSection* s :
         {&DspConfMemo(), &CodecConfMemo(), &CodecInputMemo(), &CodecOutputMemo(),
          &CodecMiscMemo(), &PcmPortMemo(), &GlobalPathMemo(), &DelayMemo(), &AgcParMemo(),
          &UlAgcParMemo(), &MusicTrtMemo()})
      GetSectionFromMemo(*s, memo, controls);
    for (const ListMemo* l : {&EcMemo(), &EsMemo(), &NsMemo(), &DlNsMemo(), &DlFirMemo(),
                              &UlFirMemo(), &DlIirMemo(), &UlIirMemo(), &SelEsMemo()})
      GetListFromMemo(*l, memo, controls, state);
  }
  return 0;
}
