#include "game/game_flow.h"

#include <cstdio>

#include "actors/actor_table.h"
#include "actors/stage_file.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/game_state.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/audio.h"
#include "shell/input.h"

namespace {
constexpr double DifficultyPerFrame = 0.0001;
constexpr int32_t ScoreTick = 10;
constexpr int32_t PauseRefusedUntil = 120;  // the first frames of a stage cannot pause
constexpr int32_t BackdropScrollStart = 0x40000000;
constexpr double PlayerStart[3] = {0.0, 400.0, 240.0};

// The world after the player has moved: shots, actors, effects, then the stage script.
// A stage end in the walk ends the walk (the stage start would free every actor after it)
// and its stage starts before the effects, so each later step reads the stage clock
// afresh.
void runWorld() {
  followCamera(Game.stageClock);
  updateShots(Game.stageClock);
  actorWalk(Game.stageClock);
  startRequestedStage();
  updateEffects(Game.stageClock);
  sequenceStep(Game.stageClock);
}

// START held past the first seconds of a stage, while the player is in control, pauses;
// the step then waits for START to be let go.
GameMode pauseRequest(GameMode r) {
  while (startHeld() && Game.stageClock > PauseRefusedUntil &&
         ThePlayer.state < PlayerState::Dash) {
    r = Mode::Pause;
    musicCommand(MusicCommand::Pause);
    spinInputWait();
  }
  return r;
}
}  // namespace

int32_t startNewGame(int32_t s) {
  Game.lives = 3;
  Game.level = 1;
  Game.difficulty = double(s) + double(s);
  Game.score = s;
  Game.fadeLevel = 100.0;
  for (int i = 0; i < 3; ++i) ThePlayer.pos[i] = PlayerStart[i];
  CameraFocus = {PlayerStart[0], PlayerStart[1]};
  ThePlayer.counter = 0;
  Game.depthScroll = GroundSpeed;
  Game.sideScroll = 0.0;
  startStage(s);
  return 0;
}

int32_t startStage(int32_t s) {
  Game.playerStateCopy = 0;
  // The counter runs on: after a stage clear the arrival blink only lasts until it is 128.
  ThePlayer.state = PlayerState::Arriving;
  Game.stage = s;
  Game.stageClock = 0;
  Game.tunnelCeiling = 0.0;
  Game.backdropScroll = BackdropScrollStart;
  Game.lockCount = 0;
  Game.lockNext = 0;
  resetPlayTables(TableReset::FreeSlots);
  return 0;
}

bool startRequestedStage() {
  if (RequestedStage == NoStageRequested) return false;
  startStage(RequestedStage);
  return true;
}

GameMode playStep() {
  Game.level = saturatingAdd(truncInt32(Game.difficulty), 1);
  Game.difficulty += DifficultyPerFrame;
  drawBackdrop(Game.stageClock);
  Game.stageClock = updatePlayer(Game.stageClock, 0);
  runWorld();
  if (Game.stageClock < FadeInFrames) setFade(FadeInFrames - Game.stageClock);
  if ((Game.stageClock & 3) == 0) addScore(ScoreTick);
  GameMode r = pauseRequest(Mode::Play);
  return Game.stageClock == -1 ? Mode::RecordScore : r;
}

GameMode demoStep() {
  drawBackdrop(Game.stageClock);
  Game.stageClock = updatePlayer(Game.stageClock, 1);
  runWorld();
  return Mode::Title;
}

void resetPlayTables(TableReset how) {
  RequestedStage = NoStageRequested;
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
