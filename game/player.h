#pragma once
#include <cstdint>

namespace PlayerState {
constexpr int32_t Flying = 0;
constexpr int32_t Recovering = 1;
constexpr int32_t Arriving = 2;
constexpr int32_t StageClear = 3;
constexpr int32_t Dash = 4;
constexpr int32_t Falling = 5;
constexpr int32_t Crashed = 6;
constexpr int32_t ContinuePrompt = 7;
constexpr int32_t GameOver = 8;
constexpr int32_t AllStagesClear = 9;
}  // namespace PlayerState

// Posted to the player by actors and stage objects; read once on the next player step.
// The last writer of a frame wins.
namespace PlayerEvent {
constexpr int32_t None = 0;
constexpr int32_t HitHard = 1;
constexpr int32_t HitSoft = 2;
constexpr int32_t ForceDash = 3;
constexpr int32_t ExtraLife = 4;
constexpr int32_t Coin = 5;
constexpr int32_t StageCleared = 7;
constexpr int32_t AllStagesCleared = 8;
}  // namespace PlayerEvent

struct Player {
  int32_t state;    // PlayerState
  int32_t counter;  // frames in the current state
  int32_t event;    // PlayerEvent posted since the last step
  double pos[3];    // x, y, z
};
extern Player ThePlayer;
// Frames until held A fires again; survives stages and games.
extern int32_t FireTimer;

// The player's state machine for one frame (demo: 1 in the attract demo, which steers by
// itself); answers the new stage clock, unchanged while the player is down.
int32_t updatePlayer(int32_t clock, int32_t demo);
