#include "bench/Bench.h"

#include <sstream>

#include "bench/BenchFile.h"

namespace vt::bench {

Bench::Bench(bool realTime)
    : path_(std::make_shared<TelephonometryPath>()),
      card_(std::make_shared<measure::VirtualBench>(realTime)) {
  card_->SetPath(path_);
}

bool Bench::Load(const std::string& file, std::string& error) {
  BenchParams params;
  if (!LoadBenchFile(file, params, error)) return false;
  path_->SetParams(params);
  path_->SetEar(params.handsetEar);
  file_ = file;
  return true;
}

BenchTruth Bench::Truth() const { return {path_->Params(), path_->Tuning()}; }

bool Bench::Command(const std::string& line, std::string& out) {
  out.clear();
  std::istringstream words(line);
  std::string verb, arg;
  words >> verb >> arg;
  std::string rest;
  std::getline(words >> std::ws, rest);
  auto fail = [&out](std::string why) {
    out = std::move(why);
    return false;
  };
  if (verb == "load") {
    if (arg.empty()) return fail("bench load needs a bench file");
    return Load(rest.empty() ? arg : arg + " " + rest, out);
  }
  if (verb == "scene") {
    Scene s;
    if (!ParseScene(arg, s))
      return fail("no scene \"" + arg + "\" (none, ref-mike-on-calibrator, ref-mike-at-mouth, "
                  "calibrator-on-ear, handset-on-ear, electrical)");
    path_->SetScene(s);
    return true;
  }
  if (verb == "ear") {
    EarType e;
    if (!ParseEarType(arg, e)) return fail("no ear type \"" + arg + "\" (1, 32LL, 32HL, 33)");
    path_->SetEar(e);
    return true;
  }
  if (verb == "tester") {
    TesterMode m;
    if (!ParseTesterMode(arg, m))
      return fail("no tester mode \"" + arg + "\" (idle, decoder-cal, encoder-cal, call)");
    if (m == TesterMode::Call && readTuning) {
      HandsetTuning tuning;
      std::string why;
      if (!readTuning(tuning, why)) out = why;
      path_->SetTuning(tuning);
    }
    path_->SetTester(m);
    return true;
  }
  if (verb == "set") {
    BenchParams p = path_->Params();
    std::string why;
    if (rest.empty()) return fail("bench set needs a parameter and a value");
    if (!SetBenchParam(p, arg, rest, why)) return fail(why);
    path_->SetParams(p);
    return true;
  }
  if (verb == "operator") {
    if (arg != "on" && arg != "off") return fail("bench operator takes on or off");
    operator_ = arg == "on";
    return true;
  }
  if (verb == "truth") {
    out = TruthReport(Truth());
    return true;
  }
  return fail("unknown bench command \"" + verb + "\" (load, scene, ear, tester, set, operator, truth)");
}

bool Bench::Operate(const std::string& prompt) {
  if (!operator_) return false;
  // The prompts of the calibrations, and what each asks of the bench.
  struct Step {
    const char* prompt;
    const char* scene;   // null: unchanged
    const char* tester;  // null: unchanged
  };
  static const Step kSteps[] = {
      {"Place ref mike on sound calibrator then press OK", "ref-mike-on-calibrator", nullptr},
      {"Place calibrator on artificial ear and press OK", "calibrator-on-ear", nullptr},
      {"Orignate call and configure CMU200 in \"decoder cal\" then press OK", nullptr, "decoder-cal"},
      {"Configure CMU200 in \"Encoder cal\" then press OK", nullptr, "encoder-cal"},
      {"Place ref mike on mouth", "ref-mike-at-mouth", nullptr},
      {"Orignate call with phone then press OK", "electrical", "call"},
  };
  std::string out;
  for (const Step& step : kSteps) {
    if (prompt != step.prompt) continue;
    if (step.scene) Command(std::string("scene ") + step.scene, out);
    if (step.tester) Command(std::string("tester ") + step.tester, out);
    return true;
  }
  return false;
}

}  // namespace vt::bench
