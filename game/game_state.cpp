#include "game/game_state.h"

#include <cmath>

#include "game/geometry.h"
#include "game/player.h"

GameState Game;
int32_t CoinCount = 0;
int32_t RequestedStage = NoStageRequested;
FocusPoint CameraFocus = {0.0, 400.0};

namespace {
constexpr double CameraDeadZone = 10.0;
constexpr double CameraChase = 3.0;
constexpr double SideScrollRate = 0.0625;
}  // namespace

void resetPositionHistory() {
  for (auto& p : Game.positionHistory) p[0] = p[1] = p[2] = 0.0;
}

void requestNextStage() { RequestedStage = wrappingAdd(Game.stage, 1) & (StageCount - 1); }

void setFade(int32_t frames) { Game.fadeLevel = frames < FadeInFrames ? frames * 0.01 : 1.0; }

void addScore(int32_t points) { Game.score = saturatingAdd(Game.score, points); }

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
