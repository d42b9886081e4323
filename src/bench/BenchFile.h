// Bench files: an INI file describing a bench and the handset on it, e.g.
//   [handset]
//   dl_gain_db = 2
//   dl_response = highpass 300 0.7; lowpass 3400 0.7
// Every key is optional (the ideal bench's value stands); unknown sections and
// keys are mistakes, reported with the file, section and key.
#pragma once

#include <string>
#include <vector>

#include "bench/BenchModel.h"

namespace vt::bench {

bool LoadBenchFile(const std::string& path, BenchParams& out, std::string& error);

// Sets one parameter by its "section.key" name, as a bench file would.
bool SetBenchParam(BenchParams& params, const std::string& name, const std::string& value,
                   std::string& error);
std::string BenchParamText(const BenchParams& params, const std::string& name);

}  // namespace vt::bench
