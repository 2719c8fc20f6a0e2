#pragma once
#include <cstdint>

#include "actors/stage_file.h"

// The stage file's bytes for entries: the inverse of decodeSpawnEntry, for the fuzz
// target's built-in reference and its seed corpus.
void encodeSpawnEntry(const SpawnEntry& e, uint8_t* record);
// The built-in scripts as the StageFileBytes of a stage file (unused entries all zero).
void encodeBuiltInStages(uint8_t* file);
