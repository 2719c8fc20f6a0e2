#include "actors/stage_sequence.h"

#include <algorithm>

#include "actors/actor_table.h"
#include "actors/builtin_stages.h"

SpawnEntry StageSequence[StageCount][StageEntryCount];
SequenceState Sequence;

namespace {
// The built-in scripts are static data of the program: in place before anything runs,
// whether or not a stage file is loaded later.
[[maybe_unused]] const bool BuiltInInPlace = (useBuiltInSequence(), true);

// A stage number past 7 plays the script of its number modulo 8.
const SpawnEntry* scriptOf(int32_t stage) { return StageSequence[stage & (StageCount - 1)]; }

// A script that has run out of entries waits for ever.
int32_t timeOfEntry(const SpawnEntry* script, int32_t index) {
  return index < StageEntryCount ? script[index].time : INT32_MAX;
}

void spawnEntry(const SpawnEntry& e) {
  spawnActorExt(e.type, e.sprite, e.start, e.aux, e.interval, e.lifetime, e.pos, e.vel, e.anchor);
}
}  // namespace

void useBuiltInSequence() {
  for (int32_t s = 0; s < StageCount; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    int32_t used = std::clamp(stage.count, 0, StageEntryCount);
    for (int32_t i = 0; i < StageEntryCount; ++i)
      StageSequence[s][i] = i < used ? stage.entries[i] : SpawnEntry{};
  }
}

void resetSequence(int32_t stage) {
  Sequence.nextIndex = 0;
  Sequence.nextTime = timeOfEntry(scriptOf(stage), 0);
}

// One entry a frame at most: entries due together come out on consecutive frames. An
// entry whose actor finds no free slot is passed over all the same.
int32_t sequenceStep(int32_t clock) {
  if (Sequence.nextIndex < 0 || Sequence.nextIndex >= StageEntryCount) return 0;
  if (Sequence.nextTime > clock) return 0;
  const SpawnEntry* script = scriptOf(Game.stage);
  spawnEntry(script[Sequence.nextIndex]);
  Sequence.nextIndex += 1;
  Sequence.nextTime = timeOfEntry(script, Sequence.nextIndex);
  return 0;
}
