#include "game/game_state.h"

#include <cmath>

#include "actors/actor_table.h"
#include "actors/stage_sequence.h"
#include "game/effects.h"
#include "game/game_flow.h"
#include "game/geometry.h"
#include "game/player.h"
#include "game/shots.h"
#include "shell/audio.h"
#include "shell/input.h"

GameState Game;
int32_t CoinCount = 0;
FocusPoint CameraFocus = {0.0, 400.0};

namespace {
constexpr double DifficultyPerFrame = 0.0001;
constexpr int32_t FadeInFrames = 100;
constexpr int32_t ScoreTick = 10;
constexpr int32_t PauseRefusedUntil = 120;  // the first frames of a stage cannot pause
constexpr double CameraDeadZone = 10.0;
constexpr double CameraChase = 3.0;
constexpr double SideScrollRate = 0.0625;
constexpr double GroundSpeed = 32.0;
constexpr int32_t BackdropScrollStart = 0x40000000;
constexpr double PlayerStart[3] = {0.0, 400.0, 240.0};

// The world after the player has moved: shots, actors, effects, then the stage script.
// Each reads the stage clock afresh, since an actor may start the next stage.
void runWorld() {
  followCamera(Game.stageClock);
  updateShots(Game.stageClock);
  actorWalk(Game.stageClock);
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

void resetPositionHistory() {
  for (auto& p : Game.positionHistory) p[0] = p[1] = p[2] = 0.0;
}

void setFade(int32_t frames) { Game.fadeLevel = frames < FadeInFrames ? frames * 0.01 : 1.0; }

void addScore(int32_t points) { Game.score = saturatingAdd(Game.score, points); }

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

int32_t followCamera(int32_t clock) {
  double polar[2];
  polarTo(polar, CameraFocus.x, CameraFocus.y, ThePlayer.pos[0], ThePlayer.pos[1]);
  if (polar[0] > CameraDeadZone) {
    CameraFocus.x += CameraChase * std::cos(polar[1]);
    CameraFocus.y += CameraChase * std::sin(polar[1]);
  }
  // A standing clock (the player is down) stops the world.
  bool moving = clock != Game.lastClock;
  Game.sideScroll = moving ? CameraFocus.x * SideScrollRate : 0.0;
  Game.depthScroll = moving ? GroundSpeed : 0.0;
  Game.lastClock = clock;
  return 0;
}
