#include "tests/fuzz/stage_bytes.h"

#include "actors/builtin_stages.h"

void encodeBuiltInStages(uint8_t* file) {
  static SpawnEntry sequence[StageCount][StageEntryCount];
  for (int32_t s = 0; s < StageCount; ++s) {
    const BuiltInStage& stage = BuiltInStages[s];
    for (int32_t i = 0; i < StageEntryCount; ++i) {
      sequence[s][i] = i < stage.count ? stage.entries[i] : SpawnEntry{};
    }
  }
  encodeStageSequence(sequence, file);
}
