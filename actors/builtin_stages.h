#pragma once
#include <cstdint>

#include "actors/stage_sequence.h"

// One built-in stage script: its used entries; the rest of the stage's 100 are empty.
struct BuiltInStage {
  const SpawnEntry* entries;
  int32_t count;
};
extern const BuiltInStage BuiltInStages[StageCount];
