#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "actors/stage_sequence.h"

// A stage script as the tool holds it: the entries of each stage in order, each with the
// text line it came from. Unlike the game's table a stage may hold more than 100 entries
// here, so that the checker can say which line is one too many.
struct ScriptEntry {
  SpawnEntry entry;
  int32_t line;  // 0 when the entry came from a stage file
};
struct ScriptStage {
  std::vector<ScriptEntry> entries;
  int32_t line = 0;  // of the stage header; 0 when none
};
struct StageScript {
  ScriptStage stages[StageCount];
};

// True when every field is zero in the file's bytes (a negative zero is not empty).
bool isEmptyEntry(const SpawnEntry& e);
// The stages of a sequence up to each one's last used entry; empty entries before a used
// one are kept, so that every entry stays at its index.
StageScript scriptFromSequence(const SpawnEntry (&sequence)[StageCount][StageEntryCount]);
// Fills the sequence from the script, empty entries after each stage's own; false, with
// the sequence untouched, when a stage holds more than StageEntryCount entries.
bool sequenceFromScript(const StageScript& script,
                        SpawnEntry (&sequence)[StageCount][StageEntryCount]);
StageScript builtInScript();

// What a file given to the tool turned out to be.
struct LoadedScript {
  StageScript script;
  bool fromText = false;
  std::vector<std::string> errors;  // reading or parsing; nothing else is valid when set
};
// A stage file (exactly StageFileBytes of binary data) or a text; the path names the file
// in every error.
LoadedScript loadScript(const std::string& path);
// A stage file only: any size other than StageFileBytes is an error.
LoadedScript loadStageFileScript(const std::string& path);
// The bytes of the whole file; false with an error message when it cannot be read.
bool readWholeFile(const std::string& path, std::string& bytes, std::string& error);
