// bravin-stages: reads and writes the stage scripts for authors and modders. It dumps the
// built-in scripts or a stage file as text, builds a stage file from such a text, checks a
// text or a file for what the game would get wrong, and draws a stage's timeline.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "actors/stage_file.h"
#include "tools/stages/script_text.h"
#include "tools/stages/stage_check.h"
#include "tools/stages/timeline.h"

namespace {
constexpr const char* Usage =
    "usage: bravin-stages COMMAND ...\n"
    "  dump [FILE]                    the built-in stages, or a stgseq.data file, as text\n"
    "  build TEXT OUT                 writes the stage file OUT (80000 bytes) from a text\n"
    "  check TEXT|FILE                every problem, with stage, entry and line; exit 1 on\n"
    "                                 errors\n"
    "  timeline STAGE OUT.png [TEXT|FILE]\n"
    "                                 a picture of one stage (0 to 7) over time\n"
    "The game reads its stage file from resources/stgseq.data.\n";

int usage() {
  std::fputs(Usage, stderr);
  return 2;
}

// Errors of reading or parsing, to standard error; true when there were none.
bool reportLoad(const LoadedScript& loaded) {
  for (const std::string& e : loaded.errors) std::fprintf(stderr, "bravin-stages: %s\n", e.c_str());
  return loaded.errors.empty();
}

int dump(const std::vector<std::string>& args) {
  if (args.size() > 1) return usage();
  LoadedScript loaded{builtInScript(), false, {}};
  if (args.size() == 1) loaded = loadStageFileScript(args[0]);
  if (!reportLoad(loaded)) return 1;
  std::fputs(writeScriptText(loaded.script).c_str(), stdout);
  return 0;
}

// Written beside OUT and renamed over it, so a failed write never leaves half a file.
bool writeFileWhole(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::string temporary = path + ".part";
  FILE* f = std::fopen(temporary.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fclose(f) == 0 && ok;
  if (ok && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

int build(const std::vector<std::string>& args) {
  if (args.size() != 2) return usage();
  std::string text, error;
  if (!readWholeFile(args[0], text, error)) {
    std::fprintf(stderr, "bravin-stages: %s\n", error.c_str());
    return 1;
  }
  LoadedScript loaded = parseScriptText(text, args[0]);
  if (!reportLoad(loaded)) return 1;
  static SpawnEntry sequence[StageCount][StageEntryCount];
  if (!sequenceFromScript(loaded.script, sequence)) {
    std::fprintf(stderr, "bravin-stages: %s: a stage has more than %d entries (see check)\n",
                 args[0].c_str(), StageEntryCount);
    return 1;
  }
  std::vector<uint8_t> bytes(StageFileBytes);
  encodeStageSequence(sequence, bytes.data());
  if (!writeFileWhole(args[1], bytes)) {
    std::fprintf(stderr, "bravin-stages: %s: cannot write: %s\n", args[1].c_str(),
                 std::strerror(errno));
    return 1;
  }
  return 0;
}

int check(const std::vector<std::string>& args) {
  if (args.size() != 1) return usage();
  LoadedScript loaded = loadScript(args[0]);
  if (!reportLoad(loaded)) return 1;
  int32_t errors = 0, warnings = 0;
  for (const Problem& p : checkScript(loaded.script)) {
    std::printf("%s\n", problemText(p, args[0]).c_str());
    (p.error ? errors : warnings) += 1;
  }
  std::printf("%s: %d error%s, %d warning%s\n", args[0].c_str(), errors, errors == 1 ? "" : "s",
              warnings, warnings == 1 ? "" : "s");
  return errors > 0 ? 1 : 0;
}

bool parseStageNumber(const std::string& text, int32_t& stage) {
  if (text.size() != 1 || text[0] < '0' || text[0] >= '0' + StageCount) return false;
  stage = text[0] - '0';
  return true;
}

int timeline(const std::vector<std::string>& args) {
  if (args.size() < 2 || args.size() > 3) return usage();
  int32_t stage = 0;
  if (!parseStageNumber(args[0], stage)) {
    std::fprintf(stderr, "bravin-stages: stage '%s': stages are 0 to 7\n", args[0].c_str());
    return 1;
  }
  LoadedScript loaded{builtInScript(), false, {}};
  if (args.size() == 3) loaded = loadScript(args[2]);
  if (!reportLoad(loaded)) return 1;
  if (!writePng(drawTimeline(loaded.script.stages[stage], stage), args[1])) {
    std::fprintf(stderr, "bravin-stages: %s: cannot write\n", args[1].c_str());
    return 1;
  }
  return 0;
}

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>& args);
};
constexpr Command Commands[] = {
    {"dump", dump}, {"build", build}, {"check", check}, {"timeline", timeline}};
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  std::vector<std::string> args(argv + 2, argv + argc);
  for (const Command& c : Commands) {
    if (std::strcmp(argv[1], c.name) == 0) return c.run(args);
  }
  return usage();
}
