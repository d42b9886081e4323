// voxbench: prints what a perfect calibration and measurement must find on
// the virtual bench a bench file describes.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "bench/BenchFile.h"
#include "bench/Truth.h"

int main(int argc, char** argv) {
  CLI::App cli{"voxbench: the truth values of a virtual bench"};
  std::vector<std::string> files;
  cli.add_option("files", files, "bench files (none: the ideal bench)");
  CLI11_PARSE(cli, argc, argv);
  if (files.empty()) std::fputs(vt::bench::TruthReport({}).c_str(), stdout);
  int status = 0;
  for (const std::string& file : files) {
    vt::bench::BenchTruth truth;
    std::string error;
    if (!vt::bench::LoadBenchFile(file, truth.params, error)) {
      std::fprintf(stderr, "voxbench: %s\n", error.c_str());
      status = 2;
      continue;
    }
    std::printf("%s%s", vt::bench::TruthReport(truth).c_str(), &file == &files.back() ? "" : "\n");
  }
  return status;
}
