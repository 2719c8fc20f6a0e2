#include "tools/stages/stage_script.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "actors/builtin_stages.h"
#include "actors/stage_file.h"
#include "tools/stages/script_text.h"

bool isEmptyEntry(const SpawnEntry& e) {
  uint8_t record[StageRecordBytes];
  encodeSpawnEntry(e, record);
  return std::all_of(record, record + StageRecordBytes, [](uint8_t b) { return b == 0; });
}

StageScript scriptFromSequence(const SpawnEntry (&sequence)[StageCount][StageEntryCount]) {
  StageScript script{};
  for (int32_t s = 0; s < StageCount; ++s) {
    int32_t used = StageEntryCount;
    while (used > 0 && isEmptyEntry(sequence[s][used - 1])) --used;
    for (int32_t i = 0; i < used; ++i) script.stages[s].entries.push_back({sequence[s][i], 0});
  }
  return script;
}

bool sequenceFromScript(const StageScript& script,
                        SpawnEntry (&sequence)[StageCount][StageEntryCount]) {
  for (const ScriptStage& stage : script.stages) {
    if (stage.entries.size() > size_t(StageEntryCount)) return false;
  }
  for (int32_t s = 0; s < StageCount; ++s) {
    const auto& entries = script.stages[s].entries;
    for (int32_t i = 0; i < StageEntryCount; ++i)
      sequence[s][i] = size_t(i) < entries.size() ? entries[size_t(i)].entry : SpawnEntry{};
  }
  return true;
}

StageScript builtInScript() {
  StageScript script{};
  for (int32_t s = 0; s < StageCount; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    for (int32_t i = 0; i < std::clamp(stage.count, 0, StageEntryCount); ++i)
      script.stages[s].entries.push_back({stage.entries[i], 0});
  }
  return script;
}

bool readWholeFile(const std::string& path, std::string& bytes, std::string& error) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    error = path + ": is a folder, not a file";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot open: " + std::strerror(errno);
    return false;
  }
  std::ostringstream all;
  all << in.rdbuf();
  if (in.bad()) {
    error = path + ": cannot read";
    return false;
  }
  bytes = all.str();
  return true;
}

namespace {
// A text never holds a NUL byte; a stage file always does, unless all 800 entries were
// used with no zero byte anywhere, which no real script comes near.
bool looksBinary(const std::string& bytes) { return bytes.find('\0') != std::string::npos; }

LoadedScript fromFileBytes(const std::string& path, const std::string& bytes) {
  LoadedScript loaded{};
  if (bytes.size() != size_t(StageFileBytes)) {
    loaded.errors.push_back(path + ": " + std::to_string(bytes.size()) +
                            " bytes; a stage file is exactly " + std::to_string(StageFileBytes) +
                            " bytes");
    return loaded;
  }
  static SpawnEntry sequence[StageCount][StageEntryCount];
  decodeStageSequence(reinterpret_cast<const uint8_t*>(bytes.data()), sequence);
  loaded.script = scriptFromSequence(sequence);
  return loaded;
}
}  // namespace

LoadedScript loadScript(const std::string& path) {
  std::string bytes, error;
  if (!readWholeFile(path, bytes, error)) return {{}, false, {error}};
  return looksBinary(bytes) ? fromFileBytes(path, bytes) : parseScriptText(bytes, path);
}

LoadedScript loadStageFileScript(const std::string& path) {
  std::string bytes, error;
  if (!readWholeFile(path, bytes, error)) return {{}, false, {error}};
  return fromFileBytes(path, bytes);
}
