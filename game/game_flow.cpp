#include "game/game_flow.h"

#include <cstdio>

#include "actors/actor_table.h"
#include "actors/stage_file.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/player.h"
#include "game/shots.h"

void resetPlayTables(TableReset how) {
  resetSequence(Game.stage & (StageCount - 1));
  resetActors(how);
  resetEffects(how);
  resetPositionHistory();
  if (how == TableReset::Zero) {
    resetShots();
    FireTimer = 0;
  }
}

// All or nothing: a short, long or half-read file would mix its stages with the built-in
// ones, so only a whole file of the exact size replaces them.
int32_t loadStageFile(const char* path, WholeFileReader read) {
  std::vector<uint8_t> bytes;
  if (!read(path, bytes)) return 0;
  if (bytes.size() != size_t(StageFileBytes)) {
    std::printf("Stage file not used: %zu bytes read, %d expected.\r\n", bytes.size(),
                StageFileBytes);
    return 0;
  }
  decodeStageSequence(bytes.data(), StageSequence);
  return 1;
}

int32_t loadStageSequence(WholeFileReader read) { return loadStageFile(StageFilePath, read); }
