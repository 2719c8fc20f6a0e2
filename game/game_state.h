#pragma once
#include <cstdint>

#include "game/game_mode.h"

constexpr int32_t StageCount = 8;
constexpr int32_t LockListSize = 4;
constexpr int32_t PositionHistorySize = 128;

// The variables of one game. Created zeroed, never freed; a new game overwrites them.
struct GameState {
  int32_t stage;       // 0..7: the stage script and backdrop row
  int32_t stageClock;  // frames into the stage; -1 when the game is over
  int32_t lastClock;   // the clock the camera-focus step saw on the previous frame
  int32_t lives;
  int32_t score;                   // its last digit counts continues; held below 2^31
  double difficulty;               // grows with play and shots, falls on deaths
  int32_t level;                   // trunc(difficulty) + 1, set at the start of each play step
  double fadeLevel;                // opacity of the black overlay of play
  int32_t backdropScroll;          // sideways position of the backdrop layers; wraps
  double sideScroll;               // sideways drift of the world this frame
  double depthScroll;              // speed at which the ground comes toward the camera
  double tunnelCeiling;            // 0: none; 1..120: a ceiling is lowered
  int32_t lockList[LockListSize];  // actor slots locked on for homing shots
  int32_t lockCount;               // 0..4
  int32_t lockNext;                // next lock-list entry to hand to a shot
  int32_t playerStateCopy;         // the player's state, for the stage captions
  double positionHistory[PositionHistorySize][3];  // kept by a boss
};
extern GameState Game;

// Coins banked between runs: the preferences read it at start-up and write it at the save.
extern int32_t CoinCount;

// The stage a stage end asked for during the actor walk; the game's flow starts it right
// after the walk. NoStageRequested when none is asked for.
constexpr int32_t NoStageRequested = -1;
extern int32_t RequestedStage;
// Asks for the stage after the current one (past the last, the first).
void requestNextStage();

// The fade-in of a stage, in frames, and the ground's speed toward the camera.
constexpr int32_t FadeInFrames = 100;
constexpr double GroundSpeed = 32.0;

// The point the camera follows: it chases the player; the title holds y at 240.
struct FocusPoint {
  double x, y;
};
extern FocusPoint CameraFocus;

// One row of the built-in backdrop table.
struct StageBackdrop {
  int32_t skySlot;
  int32_t farFirstSlot;   // the far layer uses this slot and the next three
  int32_t nearFirstSlot;  // likewise for the near layer
  double groundColour[4];
};
extern const StageBackdrop StageBackdrops[StageCount];

// Clears the positions a boss keeps.
void resetPositionHistory();
// Fade level n / 100 below 100 frames, else fully black.
void setFade(int32_t frames);
// Sky, far and near layers, ceiling and ground, drawn at once; answers the new scroll.
int32_t drawBackdrop(int32_t clock);
// Moves the camera focus toward the player and sets the side and depth scroll.
int32_t followCamera(int32_t clock);
// Adds points to the score, held at 2^31 - 1.
void addScore(int32_t points);
