// Runs the game's real frame step headless for N frames from a scripted input file, on
// the offscreen OpenGL context, and prints a digest of the game state and timing figures.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "shell/frame_loop.h"
#include "tools/headless/runner.h"

namespace {
void usage() {
  std::fprintf(stderr,
               "usage: bravin-headless [--frames N] [--script FILE] [--resources DIR]\n"
               "                       [--dump DIR] [--dump-every K] [--seed S] [--real-clock]\n"
               "Script lines: COUNT INPUT... (UP DOWN LEFT RIGHT A B START ESC KEY4 key:N\n"
               "axis0:N axis1:N button:N), one line per run of frames.\n");
}

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

bool parseArgs(int argc, char** argv, RunOptions& o) {
  o.resources = "resources";
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == "--real-clock")
      o.realClock = true;
    else if (a == "--frames" && hasValue)
      o.frames = std::atoi(argv[++i]);
    else if (a == "--script" && hasValue)
      o.script = argv[++i];
    else if (a == "--resources" && hasValue)
      o.resources = argv[++i];
    else if (a == "--dump" && hasValue)
      o.dumpDir = argv[++i];
    else if (a == "--dump-every" && hasValue)
      o.dumpEvery = std::atoi(argv[++i]);
    else if (a == "--seed" && hasValue)
      o.seed = uint32_t(std::strtoul(argv[++i], nullptr, 10));
    else
      return false;
  }
  return o.frames >= 0;
}
}  // namespace

int main(int argc, char** argv) {
  RunOptions options;
  if (!parseArgs(argc, argv, options)) {
    usage();
    return 64;
  }
  RunResult result;
  std::string error;
  bool ran = runHeadless(options, result, error);
  shutDownPlatform();
  std::error_code ignored;
  if (!result.folder.empty()) std::filesystem::remove_all(result.folder, ignored);
  if (!ran) {
    std::fprintf(stderr, "bravin-headless: %s\n", error.c_str());
    return 1;
  }
  const auto& ms = result.frameMs;
  double sum = 0;
  for (double m : ms) sum += m;
  std::printf("frames %d\nmode %d\ndigest %016" PRIx64 "\n", result.framesRun,
              result.finalMode & 0xFF, result.digest);
  std::printf("startup_ms %.1f\n", result.startUpMs);
  std::printf("frame_ms median %.3f p95 %.3f max %.3f mean %.3f\n", percentile(ms, 0.5),
              percentile(ms, 0.95), ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()),
              ms.empty() ? 0.0 : sum / double(ms.size()));
  return 0;
}
