#include "telephonometry/CalData.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vt::telephonometry {

int EarTypeCode(DlInterface dl) {
  switch (dl) {
    case DlInterface::Electrical:
      return 0;
    case DlInterface::Type1:
      return 1;
    case DlInterface::Type32LowLeak:
      return 2;
    case DlInterface::Type32HighLeak:
      return 3;
    case DlInterface::Type33:
      return 4;
  }
  return 2;
}

std::string EarSuffix(int code) {
  static const char* const kSuffixes[] = {"elec", "1", "32LL", "32HL", "33"};
  return code >= 0 && code <= 4 ? kSuffixes[code] : "";
}

std::string EarSection(DlInterface dl) { return "ear_cal_" + EarSuffix(EarTypeCode(dl)); }

double CalibratorLevel(DlInterface dl) {
  switch (dl) {
    case DlInterface::Type32LowLeak:
      return 98.2;
    case DlInterface::Type32HighLeak:
      return 84.7;
    case DlInterface::Type33:
      return 97.1;
    case DlInterface::Type1:
    case DlInterface::Electrical:
      return 94.0;
  }
  return 94.0;
}

std::string EarDisplayName(DlInterface dl) {
  switch (dl) {
    case DlInterface::Type32LowLeak:
      return "ear type 3.2 low leak";
    case DlInterface::Type32HighLeak:
      return "ear type 3.2 high leak";
    case DlInterface::Type33:
      return "ear type 3.3";
    case DlInterface::Type1:
      return "ear type 1 (or free-field mike)";
    case DlInterface::Electrical:
      return "electrical interface";
  }
  return "";
}

namespace {

// Reads with the first error kept.
struct Fields {
  const CalReader& reader;
  std::string& error;
  bool ok = true;

  double Float(const std::string& section, const std::string& key, double def = 0) {
    double v = def;
    if (ok && !reader.Float(section, key, def, v, error)) ok = false;
    return v;
  }
  int Int(const std::string& section, const std::string& key, long long def = 0) {
    long long v = def;
    if (ok && !reader.Integer(section, key, def, v, error)) ok = false;
    return static_cast<int>(v);
  }
  std::vector<double> Fir(const std::string& section) {
    const int n = std::min(std::max(Int(section, "fir_order"), 0), kMaxCalFir);
    std::vector<double> fir;
    for (int i = 0; i < n && ok; ++i) fir.push_back(Float(section, "a" + std::to_string(i)));
    return fir;
  }
};

}  // namespace

namespace {
double Db(double v, double reference) { return 20 * std::log10(v / reference); }
double FullScale(double gainDb) { return 32767 * std::pow(10.0, 0.05 * gainDb); }
}  // namespace

double EncoderLevelDbm0(const CalData& cal, double v) { return Db(v, FullScale(cal.encoderGain)); }
double DecoderLevelDbm0(const CalData& cal, double v) { return Db(v, FullScale(cal.decoderGain)); }
double EarLevelDbPa(const CalData& cal, double v) { return Db(v, FullScale(cal.earGain)); }
double MouthLevelDbPa(const CalData& cal, double v) { return Db(v, cal.mouthRefLevel) - 4.7; }

bool LoadCalData(const CalFile& file, int earTypeCode, CalData& data, std::string& error) {
  const CalReader reader(file);
  if (!reader.Error().empty()) {
    error = reader.Error();
    return false;
  }
  if (EarSuffix(earTypeCode).empty()) {
    error = "Unknown ear type " + std::to_string(earTypeCode);
    return false;
  }
  Fields f{reader, error};
  const std::string ear = "ear_cal_" + EarSuffix(earTypeCode);
  CalData d;
  d.mouthRefLevel = f.Float("mouth_cal", "ref_level");
  d.mouthCardGain = f.Int("mouth_cal", "card_gain");
  d.earGain = f.Float(ear, "gain");
  d.earCardGain = f.Int(ear, "card_gain");
  d.encoderGain = f.Float("cmu_enc_cal", "gain");
  d.encoderCardGain = f.Int("cmu_enc_cal", "card_gain");
  d.decoderGain = f.Float("cmu_dec_cal", "gain");
  d.decoderCardGain = f.Int("cmu_dec_cal", "card_gain");
  d.mouthFir = f.Fir("mouth_cal");
  d.earFir = earTypeCode >= 2 ? f.Fir("ERP-DRP_" + EarSuffix(earTypeCode)) : std::vector<double>{1.0};
  d.electrical = earTypeCode == 0;
  if (!f.ok) return false;
  data = std::move(d);
  return true;
}

bool CheckCalibrations(const CalFile& file, DlInterface dl, BenchUi& ui) {
  auto fail = [&](const std::string& text) {
    ui.Message("Error", text, MessageIcon::Error);
    return false;
  };
  if (!file.Defined()) return fail("Define a cal file first!");
  const CalReader reader(file);
  if (!reader.Error().empty()) return fail(reader.Error());
  const std::pair<std::string, const char*> checks[] = {{"mouth_cal", "Calibrate mouth first!"},
                                                        {"cmu_enc_cal", "Calibrate CMU first!"},
                                                        {EarSection(dl), "Calibrate ear first!"},
                                                        {"cmu_dec_cal", "Calibrate CMU first!"}};
  for (const auto& [section, text] : checks) {
    long long cardGain = -1;
    std::string error;
    if (!reader.Integer(section, "card_gain", -1, cardGain, error)) return fail(error);
    if (cardGain == -1) return fail(text);
  }
  return true;
}

}  // namespace vt::telephonometry
