// Runs a fuzz target over files, for the regression run: every file of the
// folders given (missing folders are skipped), one call each. A crash, a
// sanitizer report or a hang (CTest's time-out) fails the test.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int runs = 0;
  for (int i = 1; i < argc; ++i) {
    if (!fs::is_directory(argv[i])) continue;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(argv[i]))
      if (e.is_regular_file()) files.push_back(e.path());
    for (const fs::path& f : files) {
      std::ifstream in(f, std::ios::binary);
      const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), data.size());
      ++runs;
    }
  }
  std::printf("%d inputs replayed\n", runs);
  return runs > 0 ? 0 : 1;  // a target with no seeds at all is a mistake
}
