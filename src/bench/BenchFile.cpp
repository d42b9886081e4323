#include "bench/BenchFile.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "common/IniFile.h"

namespace vt::bench {

namespace {
enum class Kind { Number, Text, Filters, Ear };

struct Param {
  const char* name;
  Kind kind;
  double BenchParams::*number = nullptr;
  std::vector<FilterSpec> BenchParams::*filters = nullptr;
  int earIndex = -1;  // earDbfs[earIndex]
};

const std::vector<Param>& Params() {
  static const std::vector<Param> params = {
      {"bench.name", Kind::Text},
      {"bench.noise_dbfs", Kind::Number, &BenchParams::noiseDbfs},
      {"calibrator.level_db_spl", Kind::Number, &BenchParams::calibratorDbSpl},
      {"calibrator.frequency_hz", Kind::Number, &BenchParams::calibratorHz},
      {"ref_mike.sensitivity_dbfs", Kind::Number, &BenchParams::refMikeDbfs},
      {"mouth.sensitivity_dbpa", Kind::Number, &BenchParams::mouthDbPa},
      {"mouth.response", Kind::Filters, nullptr, &BenchParams::mouthResponse},
      {"ears.type_1_dbfs", Kind::Number, nullptr, nullptr, 0},
      {"ears.type_32LL_dbfs", Kind::Number, nullptr, nullptr, 1},
      {"ears.type_32HL_dbfs", Kind::Number, nullptr, nullptr, 2},
      {"ears.type_33_dbfs", Kind::Number, nullptr, nullptr, 3},
      {"tester.encoder_dbm0", Kind::Number, &BenchParams::encoderDbm0},
      {"tester.decoder_dbfs", Kind::Number, &BenchParams::decoderDbfs},
      {"tester.decoder_cal_dbm0", Kind::Number, &BenchParams::decoderCalDbm0},
      {"tester.encoder_cal_loop_db", Kind::Number, &BenchParams::encoderCalLoopDb},
      {"handset.dl_gain_db", Kind::Number, &BenchParams::dlGainDb},
      {"handset.dl_response", Kind::Filters, nullptr, &BenchParams::dlResponse},
      {"handset.ul_gain_db", Kind::Number, &BenchParams::ulGainDb},
      {"handset.ul_response", Kind::Filters, nullptr, &BenchParams::ulResponse},
      {"handset.echo_loss_db", Kind::Number, &BenchParams::echoLossDb},
      {"handset.echo_delay_ms", Kind::Number, &BenchParams::echoDelayMs},
      {"handset.dl_electrical_dbfs", Kind::Number, &BenchParams::dlElectricalDbfs},
      {"handset.ear", Kind::Ear},
  };
  return params;
}

const Param* Find(const std::string& name) {
  for (const Param& p : Params())
    if (name == p.name) return &p;
  return nullptr;
}

bool ParseNumber(const std::string& text, double& out) {
  const char* s = text.c_str();
  char* end = nullptr;
  errno = 0;
  out = std::strtod(s, &end);
  while (end && (*end == ' ' || *end == '\t')) ++end;
  return end != s && end && *end == 0 && errno == 0 && std::isfinite(out);
}
}  // namespace

bool SetBenchParam(BenchParams& params, const std::string& name, const std::string& value,
                   std::string& error) {
  const Param* p = Find(name);
  if (!p) {
    error = "no bench parameter \"" + name + "\"";
    return false;
  }
  switch (p->kind) {
    case Kind::Text: params.name = value; return true;
    case Kind::Number: {
      double v = 0;
      if (!ParseNumber(value, v)) {
        error = name + " must be a number, not \"" + value + "\"";
        return false;
      }
      (p->number ? params.*(p->number) : params.earDbfs[p->earIndex]) = v;
      return true;
    }
    case Kind::Filters: {
      std::string why;
      if (!ParseFilters(value, params.*(p->filters), why)) {
        error = name + ": " + why;
        return false;
      }
      return true;
    }
    case Kind::Ear:
      if (!ParseEarType(value, params.handsetEar)) {
        error = name + " must be 1, 32LL, 32HL or 33, not \"" + value + "\"";
        return false;
      }
      return true;
  }
  return false;
}

std::string BenchParamText(const BenchParams& params, const std::string& name) {
  const Param* p = Find(name);
  if (!p) return "";
  std::ostringstream s;
  switch (p->kind) {
    case Kind::Text: return params.name;
    case Kind::Number: s << (p->number ? params.*(p->number) : params.earDbfs[p->earIndex]); break;
    case Kind::Filters: return FormatFilters(params.*(p->filters));
    case Kind::Ear: return EarTypeName(params.handsetEar);
  }
  return s.str();
}

bool LoadBenchFile(const std::string& path, BenchParams& out, std::string& error) {
  const IniFile ini(path);
  if (!ini.Loaded()) {
    error = "cannot read the bench file " + path + (ini.LastError().empty() ? "" : ": " + ini.LastError());
    return false;
  }
  BenchParams params;
  for (const IniFile::Entry& e : ini.Entries()) {
    std::string why;
    if (!SetBenchParam(params, e.section + "." + e.key, e.value, why)) {
      error = path + ": " + why;
      return false;
    }
  }
  out = std::move(params);
  return true;
}

}  // namespace vt::bench
