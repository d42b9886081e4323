#include "bench/HandsetTuningReader.h"

#include "filters/FirDesign.h"
#include "handset/Handset.h"
#include "handset/Identify.h"
#include "handset/Link.h"

namespace vt::bench {

namespace {
constexpr int kFirTaps = 32;
constexpr uint8_t kUlFir = 0, kDlFir = 1, kUlIir = 2, kDlIir = 22;
constexpr int kUlBiquads = 4, kDlBiquads = 2;

int32_t Signed(int32_t word) { return static_cast<int16_t>(static_cast<uint16_t>(word)); }

std::vector<double> ReadFir(uint8_t id) {
  const int32_t gain = ReadParam(id, kFirTaps) & 0xFFFF;
  std::vector<double> taps(kFirTaps);
  for (int k = 0; k < kFirTaps; ++k)
    taps[static_cast<size_t>(k)] = static_cast<double>(filters::TapFromWord(Signed(ReadParam(id, k)), gain));
  return taps;
}

std::vector<Biquad> ReadIir(uint8_t id, int biquads) {
  std::vector<Biquad> out;
  for (int b = 0; b < biquads; ++b) {
    double w[5];
    for (int k = 0; k < 5; ++k) w[k] = Signed(ReadParam(id, 5 * b + k)) / 16384.0;
    // The handset's (a0 + a1/z + a2/z^2) / (1 + b1/z + b2/z^2).
    Biquad s;
    s.b0 = w[0], s.b1 = w[1], s.b2 = w[2], s.a1 = w[3], s.a2 = w[4];
    out.push_back(s);
  }
  return out;
}
}  // namespace

bool ReadHandsetTuning(HandsetTuning& tuning, std::string& why) {
  tuning = {};
  if (!LinkUp(Link())) {
    why = "no handset link: the call runs without the handset's tuning";
    return false;
  }
  HandsetTuning t;
  {
    LinkBatch batch("Reading the handset's filters for the virtual bench");
    IdentifyChip();
    const bool type3 = ChipType() == 3;
    HoldLink();
    const int32_t dl = ReadDspItem(3), ul = ReadDspItem(4);
    if (dl & (type3 ? 0x0400 : 0x1000)) t.dlFir = ReadFir(kDlFir);
    if (dl & (type3 ? 0x0200 : 0x0400)) t.dlIir = ReadIir(kDlIir, kDlBiquads);
    if (ul & 0x1000) t.ulFir = ReadFir(kUlFir);
    if (ul & 0x0400) t.ulIir = ReadIir(kUlIir, kUlBiquads);
    UnholdLink();
    if (LinkBatchFailed() || !LinkUp(Link())) {
      why = (LinkBatchFailed() ? LinkFailure() : std::string("the handset link went down")) +
            ": the call runs without the handset's tuning";
      return false;
    }
  }
  tuning = std::move(t);
  return true;
}

}  // namespace vt::bench
