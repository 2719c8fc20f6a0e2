// Writes the seed corpus of the stage file target into a folder: the built-in scripts as
// a file, and edits of it that lead the fuzzer to each stage's later entries and to every
// actor type. Usage: stage_seeds DIR
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "actors/builtin_stages.h"
#include "tests/fuzz/stage_bytes.h"

namespace {
using Bytes = std::vector<uint8_t>;

bool writeSeed(const std::string& dir, const char* name, const Bytes& bytes) {
  std::string path = dir + "/" + name;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  bool ok = f && std::fwrite(bytes.data(), bytes.size(), 1, f) == 1;
  if (f) std::fclose(f);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok;
}

uint8_t* recordOf(Bytes& file, int32_t stage, int32_t entry) {
  return file.data() + (stage * StageEntryCount + entry) * StageRecordBytes;
}

// Stage 0 made of one entry of every actor type, two frames apart, the stage end last.
Bytes everyType(const Bytes& builtIn) {
  Bytes file = builtIn;
  constexpr int32_t LastType = 58, StageEnd = 55;
  int32_t entry = 0;
  for (int32_t type = 1; type <= LastType; ++type) {
    if (type == StageEnd) continue;
    SpawnEntry e{2 * entry, type, 1, 1, {0, 200, 2000}, {0, 0, -8}, {320, 240, 240}, 0, 16, 100};
    encodeSpawnEntry(e, recordOf(file, 0, entry++));
  }
  SpawnEntry end{2 * entry,   StageEnd,        1, 0, {0, -100, 3800},
                 {10, 4, 10}, {320, 240, 240}, 0, 0, 200};
  encodeSpawnEntry(end, recordOf(file, 0, entry));
  return file;
}

// The entry two thirds into the stage's script comes due one frame sooner.
Bytes lateEntry(const Bytes& builtIn, int32_t stage) {
  Bytes file = builtIn;
  int32_t entry = BuiltInStages[stage].count * 2 / 3;
  SpawnEntry e = BuiltInStages[stage].entries[entry];
  e.time -= 1;
  encodeSpawnEntry(e, recordOf(file, stage, entry));
  return file;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: stage_seeds DIR\n");
    return 64;
  }
  std::string dir = argv[1];
  Bytes builtIn(StageFileBytes);
  encodeBuiltInStages(builtIn.data());
  bool ok = writeSeed(dir, "builtin", builtIn);
  // The first three entries, the first of them due at once: the rest is the built-in.
  Bytes shortFile(builtIn.begin(), builtIn.begin() + 3 * StageRecordBytes);
  shortFile[3] = 0;
  ok &= writeSeed(dir, "short", shortFile);
  Bytes longer = builtIn;
  longer.push_back(0);
  ok &= writeSeed(dir, "long", longer);
  ok &= writeSeed(dir, "every_type", everyType(builtIn));
  for (int32_t s = 0; s < StageCount; ++s) {
    std::string name = "late_entry_stage" + std::to_string(s);
    ok &= writeSeed(dir, name.c_str(), lateEntry(builtIn, s));
  }
  return ok ? 0 : 1;
}
