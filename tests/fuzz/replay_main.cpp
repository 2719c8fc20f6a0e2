// Runs a fuzz target over kept inputs (its seed corpus and the reproducers of fixed
// findings) without libFuzzer, so that every build checks them. Arguments are files or
// folders of files; a folder that does not exist (no reproducers yet) holds none.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/fuzz/fuzz_support.h"

namespace fs = std::filesystem;

namespace {
int replayFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return 0;
  }
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    fs::path p = fs::absolute(argv[i]);
    if (!fs::exists(p)) continue;
    if (!fs::is_directory(p)) {
      inputs.push_back(p);
      continue;
    }
    for (const auto& entry : fs::directory_iterator(p)) inputs.push_back(entry.path());
  }
  LLVMFuzzerInitialize(&argc, &argv);
  int replayed = 0;
  for (const fs::path& p : inputs) replayed += replayFile(p);
  std::fprintf(stderr, "replayed %d inputs\n", replayed);
  return replayed == int(inputs.size()) && replayed > 0 ? 0 : 1;
}
