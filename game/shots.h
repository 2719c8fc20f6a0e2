#pragma once
#include <cstdint>

namespace ShotState {
constexpr int32_t Free = 0;
constexpr int32_t Straight = 1;
constexpr int32_t Homing = 2;
constexpr int32_t Blast = 3;  // invisible, made by a boss
constexpr int32_t Deflected = 4;
}  // namespace ShotState

struct Shot {
  int32_t state;   // ShotState
  int32_t age;     // freed by the update that finds it above 90
  int32_t target;  // actor slot a homing shot follows
  double pos[3];
  double vel[3];
};

constexpr int32_t ShotCount = 8;
extern Shot ShotTable[ShotCount];

// Launches one shot from (x, y, z); answers its slot, or ShotCount when the table is full.
int32_t fireShot(double x, double y, double z);
// Moves and queues every live shot; answers ShotCount.
int32_t updateShots(int32_t clock);
// Fills every free slot with a blast around centre (slot i at x + (i - 4) * 32 + 16): an
// invisible shot that drifts back, lives three updates and hits like any other shot.
// Answers how many were made.
int32_t fillFreeShotsWithBlasts(const double* centre);
void resetShots();
