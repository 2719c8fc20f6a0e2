#include "actors/bonus_trail.h"

#include "game/game_state.h"
#include "game/geometry.h"
#include "render/draw_queue.h"
#include "render/primitives.h"
#include "render/texture_upload.h"

// The followers alternate: small ones that turn side-on while the one in front is more
// ahead of them than aside, and large ones with a shadow on the ground. Each looks toward
// the one in front of it.

namespace {
constexpr int32_t FollowerCount = 5;
constexpr int32_t FramesApart = 16;
constexpr int32_t HistoryMask = PositionHistorySize - 1;
constexpr double SmallSize = 64.0;  // half-extents
constexpr double LargeSize = 128.0;
constexpr double SmallLift = 32.0;  // small followers fly a little lower
constexpr int32_t SmallSlot = 26;   // the next slot is the same one side-on
constexpr int32_t LastSmallSlot = 24;
constexpr int32_t LargeSlot = 109;
constexpr double ShadowPlaneY = 472.0;
constexpr double LevelDepth = 0.001;  // stands in for no depth difference at all

struct Follower {
  double x, y, z;
  double dx, dz;  // from this follower to the one in front
};

void queueQuad(double x, double y, double z, double sx, double sy, int32_t slot) {
  static constexpr double White[4] = {1.0, 1.0, 1.0, 1.0};
  queueDraw(x, y, z, sx, sy, 0.0, White, static_cast<int32_t>(textureForSlot(slot)), 0);
}

// Mirrored unless the one in front is to its right.
double facing(const Follower& f) { return f.dx > 0.0 ? 1.0 : -1.0; }

void queueSmall(const Follower& f, bool last) {
  int32_t slot = last ? LastSmallSlot : SmallSlot;
  double slope = f.dx / f.dz;
  if (slope > -1.0 && slope < 1.0) ++slot;
  queueQuad(f.x, f.y + SmallLift, f.z, SmallSize * facing(f), SmallSize, slot);
}

void queueLarge(const Follower& f, double shadowRadius) {
  queueQuad(f.x, f.y, f.z, LargeSize * facing(f), LargeSize, LargeSlot);
  drawShadow(f.x, ShadowPlaneY, f.z, shadowRadius, shadowRadius);
}
}  // namespace

void queueBonusTrail(const Actor& character, int32_t age, double spacing) {
  double* now = Game.positionHistory[age & HistoryMask];
  for (int32_t k = 0; k < 3; ++k) now[k] = character.pos[k];
  // Our choice: nothing flies in front of the first follower, so it looks toward the
  // character itself.
  double aheadX = character.pos[0];
  double aheadZ = character.pos[2];
  for (int32_t i = 1; i <= FollowerCount; ++i) {
    const double* h = Game.positionHistory[wrappingAdd(age, -FramesApart * i) & HistoryMask];
    Follower f{h[0], h[1], h[2] - i * spacing, 0.0, 0.0};
    f.dx = aheadX - f.x;
    f.dz = aheadZ - f.z;
    if (f.dz == 0.0) f.dz = LevelDepth;
    if (i % 2 == 1) {
      queueSmall(f, i == FollowerCount);
    } else {
      queueLarge(f, character.size[0]);
    }
    aheadX = f.x;
    aheadZ = f.z;
  }
}
