// Every part of the frame, in page order, the memo strip last. A tab is its
// own files (Name.def, Name.h, Name.cpp) plus its entry here: the include
// and the name in the list.
#pragma once

#include "frame/tabs/CodecConfig.h"
#include "frame/tabs/CodecInput.h"
#include "frame/tabs/CodecMisc.h"
#include "frame/tabs/CodecOutput.h"
#include "frame/tabs/Delays.h"
#include "frame/tabs/DlDyn.h"
#include "frame/tabs/DspConfig.h"
#include "frame/tabs/EchoCanceller.h"
#include "frame/tabs/EchoSuppressor.h"
#include "frame/tabs/Filters.h"
#include "frame/tabs/GlobalPath.h"
#include "frame/tabs/Home.h"
#include "frame/tabs/Measures.h"
#include "frame/tabs/MemoStrip.h"
#include "frame/tabs/Misc.h"
#include "frame/tabs/Music.h"
#include "frame/tabs/NoiseSuppressor.h"
#include "frame/tabs/PcmPort.h"
#include "frame/tabs/SelectiveEs.h"
#include "frame/tabs/Test.h"
#include "frame/tabs/Tty.h"
#include "frame/tabs/UlDyn.h"

#define VT_FRAME_TABS(X)                                                                     \
  X(Home) X(CodecConfig) X(CodecInput) X(CodecOutput) X(CodecMisc) X(DspConfig) X(GlobalPath) \
  X(EchoCanceller) X(SelectiveEs) X(EchoSuppressor) X(NoiseSuppressor) X(Filters) X(UlDyn)    \
  X(DlDyn) X(Delays) X(PcmPort) X(Tty) X(Test) X(Misc) X(Measures) X(Music) X(MemoStrip)
