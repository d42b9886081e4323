#include "handset/HandsetItems.h"

#include "handset/HandsetCommands.h"
#include "handset/HandsetState.h"
#include "handset/HandsetTables.h"

namespace vt {

namespace {

int32_t ReadStatus(int32_t word) { return ReadArea(kAreaStatus, word, false); }
void WriteStatus(int32_t word, int32_t value) { WriteArea(kAreaStatus, word, value); }

int32_t ReadItem(int32_t area, int32_t statusWord, const ItemEntry& e) {
  bool inForce = ReadStatus(statusWord) & e.statusMask;
  return ReadArea(area, e.bit, !inForce);
}

// Sets bit 0 of a status word and returns the word as written.
int32_t MarkApplying(int32_t statusWord) {
  int32_t status = ReadStatus(statusWord) | 1;
  WriteStatus(statusWord, status);
  return status;
}

int32_t WithBit(int32_t status, int32_t mask, bool set) {
  status &= ~mask;
  return set ? status | mask : status;
}

}  // namespace

int32_t ReadCodecItem(uint8_t item) {
  return ReadItem(kAreaCodec, kStatusWordCodec, CodecItem(item));
}

void WriteCodecItem(uint8_t item, int32_t value) {
  WriteArea(kAreaCodec, CodecItem(item).bit, value);
}

void SetCodecOverride(uint8_t item, bool on) {
  int32_t count = CountUse(UseTable::Codec, item, on);
  int32_t status = ReadStatus(kStatusWordCodec);
  WriteStatus(kStatusWordCodec, WithBit(status, CodecItem(item).statusMask, count > 0));
}

void ApplyCodec(uint8_t item) {
  WriteArea(kAreaCodec, 0, CodecItem(item).applyMask);
  int32_t status = MarkApplying(kStatusWordCodec);
  WriteArea(kAreaCommand, 0, kCommandApplyCodec);
  DbgWait();
  WriteStatus(kStatusWordCodec, status & ~1);
}

int32_t ReadDspItem(uint8_t item) { return ReadItem(kAreaDsp, kStatusWordDsp, DspItem(item)); }
int32_t ReadDspItemInForce(uint8_t item) { return ReadArea(kAreaDsp, DspItem(item).bit, false); }
int32_t ReadDspItemBuiltIn(uint8_t item) { return ReadArea(kAreaDsp, DspItem(item).bit, true); }

void WriteDspItem(uint8_t item, int32_t value) { WriteArea(kAreaDsp, DspItem(item).bit, value); }

void SetDspOverride(uint8_t item, bool on) {
  const ItemEntry e = DspItem(item);
  int32_t count = CountUse(UseTable::Dsp, item, on);
  int32_t status = ReadStatus(kStatusWordDsp);
  {
    // The copy and the status write travel under one grant of the channel.
    bool copy = on && e.statusMask && !(status & e.statusMask);
    LinkHold hold;
    if (copy) WriteDspItem(item, ReadDspItemBuiltIn(item));
    WriteStatus(kStatusWordDsp, WithBit(status, e.statusMask, count > 0));
  }
  if (count == 0) ApplyDsp(item);
}

void ApplyDsp(uint8_t item) {
  WriteArea(kAreaDsp, 0, DspItem(item).applyMask);
  int32_t status = MarkApplying(kStatusWordDsp);
  WriteArea(kAreaCommand, 0, kCommandApplyDsp);
  WriteArea(kAreaDsp, 0, 0);
  WriteStatus(kStatusWordDsp, status & ~1);
}

void ApplyParams() {
  WriteArea(kAreaCommand, 0, kCommandApplyParams);
  ApplyDsp(9);
}

}  // namespace vt
